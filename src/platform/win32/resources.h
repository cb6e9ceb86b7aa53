// The program's resources: string table, icons and dialog templates, registered as C++ data
// by id at start-up instead of being linked into the executable. The module handle of the
// calls is accepted and ignored: there is one module.
#pragma once

#include "platform/crt/wintypes.h"
#include "platform/win32/dialog.h"
#include "platform/win32/kernel.h"
#include "platform/win32/window.h"

#include <span>
#include <string>
#include <vector>

inline const LPCSTR IDI_APPLICATION = MAKEINTRESOURCE(32512);
inline const LPCSTR IDI_ERROR = MAKEINTRESOURCE(32513);
inline const LPCSTR IDI_QUESTION = MAKEINTRESOURCE(32514);
inline const LPCSTR IDI_WARNING = MAKEINTRESOURCE(32515);
inline const LPCSTR IDI_INFORMATION = MAKEINTRESOURCE(32516);
inline const LPCSTR IDC_ARROW = MAKEINTRESOURCE(32512);

// Returns the length copied (without the terminator); 0 and "" for a missing id.
int LoadString(HINSTANCE instance, UINT id, LPSTR buffer, int maxCount);
// NULL with ERROR_RESOURCE_NAME_NOT_FOUND for an icon nobody registered. Icons are shared:
// every load of one id gives the same handle.
HICON LoadIcon(HINSTANCE instance, LPCSTR name);
HCURSOR LoadCursor(HINSTANCE instance, LPCSTR name);
BOOL DestroyIcon(HICON icon);

namespace win32 {

struct StringResource {
    UINT id = 0;
    const char* text = nullptr;
};

// An icon is a small picture of text, drawn from its top-left cell; 32 pixels make 5
// columns and 2 rows.
struct IconResource {
    UINT id = 0;
    std::vector<std::string> picture;
};

void RegisterStrings(std::span<const StringResource> strings);
void RegisterIcon(const IconResource& icon);
// The template must outlive its use (static data).
void RegisterDialogTemplate(UINT id, const DLGTEMPLATE* tmpl);
const DLGTEMPLATE* FindDialogTemplate(LPCSTR name);
// The picture of an icon handle; empty for a bad handle.
std::span<const std::string> IconPicture(HICON icon);
// Forgets every registered resource (tests).
void ClearResources();

} // namespace win32
