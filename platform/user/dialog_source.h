// Dialog templates from a module's resources (RT_DIALOG) or from memory, read into plain data.
#pragma once

#include <windows.h>

#include <optional>

#include "user/dialog_template.h"

namespace platform::user {

// Nothing when the module has no such dialog, or (last error ERROR_RESOURCE_DATA_NOT_FOUND)
// when its bytes are malformed.
std::optional<DialogTemplate> dialog_from_resources(HINSTANCE instance, LPCWSTR name);
std::optional<DialogTemplate> dialog_from_resources(HINSTANCE instance, LPCSTR name);
// A template a program built in memory; nothing (last error ERROR_INVALID_PARAMETER) for null.
std::optional<DialogTemplate> dialog_from_memory(const DLGTEMPLATE* t);

}  // namespace platform::user
