// A place for the service's entries in the Windows event log; it holds nothing yet.
#pragma once

#include "cobject.h"

class RV_EventLog : public CObject {
 public:
  RV_EventLog();
  ~RV_EventLog() override;
};
