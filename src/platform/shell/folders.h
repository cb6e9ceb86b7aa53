// SHGetFolderPath for the data folders. Paths come back in the Windows form of
// platform/crt/path.h (backslashes), which the C runtime maps back to the same Linux folder.
//
// CSIDL_COMMON_APPDATA is, in this order: the folder named by PROGRAMDATA when it is set;
// /var/lib when this process may write there; else the user's data folder
// (XDG_DATA_HOME, else ~/.local/share), created when missing. CSIDL_APPDATA and
// CSIDL_LOCAL_APPDATA are the user's data folder.
#pragma once

#include "platform/com/hresult.h"
#include "platform/crt/wintypes.h"

inline constexpr int CSIDL_APPDATA = 0x001A;
inline constexpr int CSIDL_LOCAL_APPDATA = 0x001C;
inline constexpr int CSIDL_COMMON_APPDATA = 0x0023;
inline constexpr int CSIDL_FLAG_DONT_VERIFY = 0x4000; // do not check that the folder exists
inline constexpr int CSIDL_FLAG_CREATE = 0x8000;      // create the folder when missing
inline constexpr int CSIDL_FLAG_MASK = 0xFF00;

inline constexpr DWORD SHGFP_TYPE_CURRENT = 0; // the folder's current path
inline constexpr DWORD SHGFP_TYPE_DEFAULT = 1; // its default path: the same here

// pszPath receives up to MAX_PATH characters with the terminating zero. Returns S_OK;
// S_FALSE (a success, as in the ANSI function) with the path filled when the folder does
// not exist; E_INVALIDARG for an unknown folder or a null pszPath; E_FAIL when no folder
// can be named or its path does not fit (pszPath is then "").
HRESULT SHGetFolderPath(HWND hwnd, int csidl, HANDLE hToken, DWORD dwFlags, LPSTR pszPath);
