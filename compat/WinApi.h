// Linux stand-ins for the few Windows calls the shell makes. Same contracts
// as the calls they replace, Linux behaviour underneath.
#pragma once

#include <cstddef>

namespace compat {

// Expands every %NAME% of src from the environment into dst (size wide
// characters, zero-terminated). %APPDATA% falls back to the XDG data home
// ($XDG_DATA_HOME, else $HOME/.local/share). Returns the number of characters
// written including the terminating zero, or 0 when a reference cannot be
// expanded or the result does not fit.
unsigned long ExpandEnvironmentStringsW(const wchar_t *src, wchar_t *dst, unsigned long size);

// Writes the login name of the process's user into buf (capacity *size
// characters including the zero). Returns false when it cannot be read or
// does not fit; *size then holds the capacity needed.
bool GetUserNameW(wchar_t *buf, unsigned long *size);

// Writes the system locale as a BCP 47 name ("zh-CN") into buf. Returns the
// number of characters including the zero, 0 on failure.
int GetSystemDefaultLocaleName(wchar_t *buf, int size);

} // namespace compat
