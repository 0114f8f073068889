#include "rv_event_log.h"

RV_EventLog::RV_EventLog() {}

RV_EventLog::~RV_EventLog() {}
