#include "platform/crt/path.h"

#include <cctype>

namespace mw::crt {

namespace {

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

bool HasDrive(std::string_view path) {
    return path.size() >= 2 && path[1] == ':' &&
           std::isalpha(static_cast<unsigned char>(path[0])) != 0;
}

} // namespace

std::string ToLinuxPath(std::string_view windowsPath) {
    std::string_view rest = windowsPath;
    if (HasDrive(rest)) {
        rest.remove_prefix(2);
    }
    std::string out;
    out.reserve(rest.size());
    for (char c : rest) {
        if (IsSeparator(c)) {
            if (out.empty() || out.back() != '/') {
                out.push_back('/');
            }
        } else {
            out.push_back(c);
        }
    }
    if (out.empty() && HasDrive(windowsPath)) {
        return ".";
    }
    return out;
}

std::string ToWindowsPath(std::string_view linuxPath) {
    std::string out(linuxPath);
    for (char& c : out) {
        if (c == '/') {
            c = '\\';
        }
    }
    return out;
}

} // namespace mw::crt
