// The classes every process has from the start: "Button", "Edit", "Static", "ListBox" and the dialog
// class "#32770". Registered on the first class lookup.
#pragma once

namespace platform::user {

void register_system_classes();

}  // namespace platform::user
