// CFile, as far as the system uses it: the static GetStatus. The path is a Windows path
// (platform/crt/path.h).
#pragma once

#include "platform/crt/wintypes.h"
#include "platform/mfc/ctime.h"

struct CFileStatus {
    CTime m_ctime; // creation: the last status change here
    CTime m_mtime;
    CTime m_atime;
    ULONGLONG m_size = 0;
    BYTE m_attribute = 0;             // CFile::Attribute bits
    char m_szFullName[MAX_PATH] = {}; // absolute, in the Windows form; "" when too long
};

class CFile {
public:
    enum Attribute {
        normal = 0x00,
        readOnly = 0x01,
        hidden = 0x02,
        system = 0x04,
        volume = 0x08,
        directory = 0x10,
        archive = 0x20,
    };

    // FALSE when nothing exists at the path (a file or a folder counts).
    static BOOL GetStatus(LPCTSTR lpszFileName, CFileStatus& rStatus);
};
