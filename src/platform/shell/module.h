// GetModuleFileName: the running program's file (/proc/self/exe) in the Windows form of
// platform/crt/path.h, so the part after the last backslash is the file name. Our programs
// have no modules besides the main one, so every module handle names the program.
#pragma once

#include "platform/crt/wintypes.h"

#include <optional>
#include <string>

// Copies the path with its terminating zero and returns its length. When nSize is too
// small, copies nSize - 1 characters and the zero and returns nSize, as Windows does.
// Returns 0 for a null buffer, nSize 0 or an unreadable program path.
DWORD GetModuleFileName(HMODULE hModule, LPSTR lpFilename, DWORD nSize);

namespace mw::shell {

// While alive, GetModuleFileName reports windowsPath instead (for tests: "C:\x\tool.exe",
// long paths). Overrides nest.
class ModuleFileNameOverride {
public:
    explicit ModuleFileNameOverride(std::string windowsPath);
    ~ModuleFileNameOverride();
    ModuleFileNameOverride(const ModuleFileNameOverride&) = delete;
    ModuleFileNameOverride& operator=(const ModuleFileNameOverride&) = delete;

private:
    std::optional<std::string> m_previous;
};

} // namespace mw::shell
