#include "platform/crt/stdio_s.h"

#include "platform/crt/path.h"

#include <cerrno>
#include <optional>
#include <string>
#include <string_view>

namespace {

struct Mode {
    std::string posix; // always binary: the translation is ours
    bool text = true;
};

std::optional<Mode> ParseMode(std::string_view mode) {
    if (mode.empty() || (mode[0] != 'r' && mode[0] != 'w' && mode[0] != 'a')) {
        return std::nullopt;
    }
    Mode out;
    out.posix = mode.substr(0, 1);
    bool plus = false;
    bool translationSeen = false;
    for (std::size_t i = 1; i < mode.size(); ++i) {
        char c = mode[i];
        if (c == ',') {
            break; // ",ccs=..." encodings are not ours to honour
        }
        switch (c) {
        case '+':
            if (plus) {
                return std::nullopt;
            }
            plus = true;
            break;
        case 't':
        case 'b':
            if (translationSeen) {
                return std::nullopt;
            }
            translationSeen = true;
            out.text = c == 't';
            break;
        case 'c': // commit, no-commit, access hints and temporary: no meaning here
        case 'n':
        case 'N':
        case 'S':
        case 'R':
        case 'T':
        case 'D':
        case ' ':
            break;
        default:
            return std::nullopt;
        }
    }
    if (plus) {
        out.posix += '+';
    }
    out.posix += 'b';
    return out;
}

// The text-mode layer: the cookie owns the binary stream below it.
ssize_t TextWrite(void* cookie, const char* buf, size_t size) {
    FILE* file = static_cast<FILE*>(cookie);
    size_t start = 0;
    for (size_t i = 0; i < size; ++i) {
        if (buf[i] != '\n') {
            continue;
        }
        if (std::fwrite(buf + start, 1, i - start, file) != i - start ||
            std::fwrite("\r\n", 1, 2, file) != 2) {
            return -1;
        }
        start = i + 1;
    }
    if (std::fwrite(buf + start, 1, size - start, file) != size - start) {
        return -1;
    }
    // A cookie stream has no flush hook, so fflush above would stop here: pass every write
    // down at once.
    if (std::fflush(file) != 0) {
        return -1;
    }
    return static_cast<ssize_t>(size);
}

ssize_t TextRead(void* cookie, char* buf, size_t size) {
    FILE* file = static_cast<FILE*>(cookie);
    size_t n = 0;
    while (n < size) {
        int c = std::fgetc(file);
        if (c == EOF) {
            break;
        }
        if (c == '\r') {
            int next = std::fgetc(file);
            if (next == '\n') {
                c = '\n';
            } else if (next != EOF) {
                std::ungetc(next, file);
            }
        }
        buf[n++] = static_cast<char>(c);
    }
    if (n == 0 && std::ferror(file)) {
        return -1;
    }
    return static_cast<ssize_t>(n);
}

int TextSeek(void* cookie, off64_t* offset, int whence) {
    FILE* file = static_cast<FILE*>(cookie);
    if (fseeko(file, *offset, whence) != 0) {
        return -1;
    }
    *offset = ftello(file);
    return *offset < 0 ? -1 : 0;
}

int TextClose(void* cookie) {
    return std::fclose(static_cast<FILE*>(cookie)) == 0 ? 0 : EOF;
}

} // namespace

errno_t fopen_s(FILE** pFile, const char* filename, const char* mode) {
    if (pFile == nullptr) {
        return EINVAL;
    }
    *pFile = nullptr;
    if (filename == nullptr || mode == nullptr) {
        return EINVAL;
    }
    std::optional<Mode> parsed = ParseMode(mode);
    if (!parsed) {
        return EINVAL;
    }
    FILE* file = std::fopen(mw::crt::ToLinuxPath(filename).c_str(), parsed->posix.c_str());
    if (file == nullptr) {
        return errno != 0 ? errno : EIO;
    }
    if (!parsed->text) {
        *pFile = file;
        return 0;
    }
    cookie_io_functions_t io{TextRead, TextWrite, TextSeek, TextClose};
    FILE* text = fopencookie(file, parsed->posix.c_str(), io);
    if (text == nullptr) {
        std::fclose(file);
        return ENOMEM;
    }
    // Unbuffered above a buffered file: ftell and fseek then count bytes on disk, as the
    // Windows runtime's text streams do.
    std::setvbuf(text, nullptr, _IONBF, 0);
    *pFile = text;
    return 0;
}
