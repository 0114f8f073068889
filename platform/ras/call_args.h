// The string arguments of the RAS functions in either character form, null kept apart from "".
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "kernel/out_buffer.h"

namespace platform::ras {

using Arg = std::optional<std::u16string>;

inline Arg arg(LPCSTR s) { return s ? Arg(out::in(s)) : std::nullopt; }
inline Arg arg(LPCWSTR s) { return s ? Arg(out::in(s)) : std::nullopt; }
inline const std::u16string* ptr(const Arg& a) { return a ? &*a : nullptr; }

}  // namespace platform::ras
