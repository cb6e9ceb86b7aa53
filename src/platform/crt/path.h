// Windows paths given to the C runtime, the shell and CFile are mapped to the Linux file
// system here, and only here:
//   - backslashes become slashes, and runs of separators collapse into one;
//   - a drive ("C:\x", "c:/x") is dropped: every drive is the root "/";
//   - a path that starts with one separator ("\x") is relative to the root of the current
//     drive, which is "/";
//   - a drive without a separator ("C:x") is relative to the current directory;
//   - anything else (a Linux path, a relative path) keeps its meaning.
// Names are not case-folded: the Linux file system stays case-sensitive.
#pragma once

#include <string>
#include <string_view>

namespace mw::crt {

std::string ToLinuxPath(std::string_view windowsPath);

// The form handed back to Windows-style callers: slashes become backslashes, so the part after
// the last backslash is the file name. ToLinuxPath maps it back to the same Linux path.
std::string ToWindowsPath(std::string_view linuxPath);

} // namespace mw::crt
