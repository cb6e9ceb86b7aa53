#include "platform/win32/controls/registration.h"

#include "platform/win32/controls/header.h"
#include "platform/win32/controls/listview.h"

#include <cstring>

namespace win32::controls {

namespace {

struct ClassEntry {
    DWORD icc; // the ICC_* group that registers it
    const char* name;
    WNDPROC proc;
    UINT style;
};

// clang-format off
const ClassEntry kClasses[] = {
    {ICC_LISTVIEW_CLASSES, WC_LISTVIEW,        ControlProc<ListView>,       CS_DBLCLKS},
    {ICC_LISTVIEW_CLASSES, WC_HEADER,          ControlProc<Header>,         CS_DBLCLKS},
};
// clang-format on

bool Register(const ClassEntry& entry) {
    WNDCLASS existing{};
    if (GetClassInfo(nullptr, entry.name, &existing)) {
        return true;
    }
    WNDCLASS wc{};
    wc.style = entry.style | CS_GLOBALCLASS;
    wc.lpfnWndProc = entry.proc;
    wc.lpszClassName = entry.name;
    return RegisterClass(&wc) != 0;
}

// Installs the registrar as soon as the library is part of the program.
const bool kInstalled = InstallControlClasses();

} // namespace

bool RegisterControlClasses(DWORD icc) {
    bool ok = true;
    for (const ClassEntry& entry : kClasses) {
        if (icc & entry.icc) {
            ok = Register(entry) && ok;
        }
    }
    return ok;
}

bool InstallControlClasses() {
    (void)kInstalled;
    SetControlClassRegistrar([](DWORD icc) { return RegisterControlClasses(icc); });
    return true;
}

} // namespace win32::controls
