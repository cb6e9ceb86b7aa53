// InitCommonControlsEx and the registrar the controls library provides.
#include "platform/win32/common_controls.h"

using win32::ControlClassRegistrar;

namespace {

struct Registration {
    ControlClassRegistrar registrar;
    bool standardDone = false;
};

Registration& Reg() {
    static Registration registration;
    return registration;
}

} // namespace

namespace win32::detail {

// user32's own classes exist without anybody registering them: the first window of an
// unknown class asks the registrar for them, once.
bool RegisterStandardClassesOnce() {
    auto& reg = Reg();
    if (reg.standardDone || !reg.registrar) {
        return false;
    }
    reg.standardDone = true;
    return reg.registrar(ICC_STANDARD_CLASSES);
}

} // namespace win32::detail

BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* init) {
    if (init == nullptr || init->dwSize != sizeof(INITCOMMONCONTROLSEX)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    auto& reg = Reg();
    if (!reg.registrar) {
        return FALSE; // nothing can be registered, so nothing is reported as done
    }
    return reg.registrar(init->dwICC) ? TRUE : FALSE;
}

void InitCommonControls() {
    INITCOMMONCONTROLSEX init{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&init);
}

namespace win32 {

ControlClassRegistrar SetControlClassRegistrar(ControlClassRegistrar registrar) {
    auto& reg = Reg();
    ControlClassRegistrar old = std::move(reg.registrar);
    reg.registrar = std::move(registrar);
    reg.standardDone = false;
    return old;
}

} // namespace win32
