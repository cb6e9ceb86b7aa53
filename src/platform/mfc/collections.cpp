#include "platform/mfc/collections.h"

UINT HashString(const char* key) {
    UINT hash = 0;
    for (const char* p = key ? key : ""; *p != '\0'; ++p) {
        hash = (hash << 5) + hash + static_cast<unsigned char>(*p);
    }
    return hash;
}
