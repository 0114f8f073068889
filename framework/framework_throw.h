// The framework's throw helpers that the string templates need; each throws a pointer to an
// exception object, as the framework does, to be caught as CException* and Delete()d.
#pragma once

[[noreturn]] void AfxThrowMemoryException();
[[noreturn]] void AfxThrowInvalidArgException();
