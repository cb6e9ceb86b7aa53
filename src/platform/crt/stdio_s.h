// fopen_s as the Microsoft C runtime reads its modes: "r", "w", "a", each with an optional
// "+", and "t" (text, the default) or "b" (binary). The path is a Windows path (see
// platform/crt/path.h).
//
// A text-mode stream is a real FILE*: whatever writes to it (fwrite, fputs, fprintf) stores
// each "\n" as "\r\n", and reading turns "\r\n" back into "\n". Close it with fclose.
#pragma once

#include "platform/crt/wintypes.h"

#include <cstdio>

// Returns 0 and sets *pFile, or an errno value with *pFile null (EINVAL for a null argument
// or an unknown mode).
errno_t fopen_s(FILE** pFile, const char* filename, const char* mode);
