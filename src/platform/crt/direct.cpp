#include "platform/crt/direct.h"

#include "platform/crt/path.h"

#include <cerrno>
#include <sys/stat.h>

int _mkdir(const char* dirname) {
    if (dirname == nullptr) {
        errno = EINVAL;
        return -1;
    }
    return ::mkdir(mw::crt::ToLinuxPath(dirname).c_str(), 0777) == 0 ? 0 : -1;
}
