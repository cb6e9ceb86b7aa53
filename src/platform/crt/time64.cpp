#include "platform/crt/time64.h"

#include <cerrno>

namespace {

errno_t Split(struct tm* tm, const __time64_t* timer,
              struct tm* (*split)(const time_t*, struct tm*)) {
    if (tm == nullptr) {
        return EINVAL;
    }
    if (timer == nullptr || *timer < 0 || *timer > kMaxTime64) {
        tm->tm_sec = tm->tm_min = tm->tm_hour = tm->tm_mday = tm->tm_mon = tm->tm_year = -1;
        tm->tm_wday = tm->tm_yday = tm->tm_isdst = -1;
        return EINVAL;
    }
    time_t t = static_cast<time_t>(*timer);
    return split(&t, tm) != nullptr ? 0 : EINVAL;
}

} // namespace

__time64_t _time64(__time64_t* timer) {
    __time64_t now = static_cast<__time64_t>(std::time(nullptr));
    if (timer != nullptr) {
        *timer = now;
    }
    return now;
}

errno_t _localtime64_s(struct tm* tm, const __time64_t* timer) {
    return Split(tm, timer, localtime_r);
}

errno_t _gmtime64_s(struct tm* tm, const __time64_t* timer) {
    return Split(tm, timer, gmtime_r);
}

__time64_t _mktime64(struct tm* tm) {
    if (tm == nullptr) {
        return -1;
    }
    time_t t = std::mktime(tm);
    if (t < 0 || t > kMaxTime64) {
        return -1;
    }
    return static_cast<__time64_t>(t);
}
