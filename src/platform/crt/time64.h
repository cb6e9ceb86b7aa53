// The 64-bit time functions of the Microsoft C runtime. Local time follows the process's
// time zone (TZ), as localtime does.
#pragma once

#include "platform/crt/wintypes.h"

#include <cstdint>
#include <ctime>

using __time64_t = std::int64_t;

// The range the Windows runtime converts: 1 January 1970 00:00:00 to 31 December 3000
// 23:59:59 UTC.
inline constexpr __time64_t kMaxTime64 = 32535215999;

__time64_t _time64(__time64_t* timer);

// Return 0, or EINVAL (with every field of *tm set to -1) for a null argument or a time
// outside the range above.
errno_t _localtime64_s(struct tm* tm, const __time64_t* timer);
errno_t _gmtime64_s(struct tm* tm, const __time64_t* timer);

// Local calendar time to a time; -1 when it lies outside the range above. Normalises *tm.
__time64_t _mktime64(struct tm* tm);
