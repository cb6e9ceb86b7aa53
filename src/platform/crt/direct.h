// Folder creation as the C runtime's <direct.h> offers it. The path is a Windows path
// (see platform/crt/path.h).
#pragma once

// Returns 0, or -1 with errno set (EEXIST when something of that name exists, ENOENT when a
// parent folder is missing).
int _mkdir(const char* dirname);
