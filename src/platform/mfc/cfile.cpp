#include "platform/mfc/cfile.h"

#include "platform/crt/path.h"

#include <cstring>
#include <filesystem>
#include <string>
#include <sys/stat.h>

BOOL CFile::GetStatus(LPCTSTR lpszFileName, CFileStatus& rStatus) {
    if (lpszFileName == nullptr || *lpszFileName == '\0') {
        return FALSE;
    }
    std::string path = mw::crt::ToLinuxPath(lpszFileName);
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        return FALSE;
    }
    rStatus.m_ctime = CTime(static_cast<__time64_t>(st.st_ctime));
    rStatus.m_mtime = CTime(static_cast<__time64_t>(st.st_mtime));
    rStatus.m_atime = CTime(static_cast<__time64_t>(st.st_atime));
    rStatus.m_size = S_ISDIR(st.st_mode) ? 0 : static_cast<ULONGLONG>(st.st_size);

    BYTE attributes = 0;
    if (S_ISDIR(st.st_mode)) {
        attributes |= directory;
    } else {
        attributes |= archive;
    }
    if ((st.st_mode & S_IWUSR) == 0) {
        attributes |= readOnly;
    }
    std::error_code ec;
    std::filesystem::path absolute = std::filesystem::absolute(path, ec).lexically_normal();
    std::string name = absolute.filename().empty() ? absolute.parent_path().filename().string()
                                                   : absolute.filename().string();
    if (!name.empty() && name.front() == '.' && name != "." && name != "..") {
        attributes |= hidden;
    }
    rStatus.m_attribute = attributes;

    std::string full = ec ? std::string() : mw::crt::ToWindowsPath(absolute.string());
    if (full.size() >= MAX_PATH) {
        full.clear();
    }
    std::memcpy(rStatus.m_szFullName, full.c_str(), full.size() + 1);
    return TRUE;
}
