// The rich edit classes come with their DLLs: loading Riched20.dll or Msftedit.dll registers them.
#pragma once

namespace platform::comctl {

void register_rich_edit_classes();

}  // namespace platform::comctl
