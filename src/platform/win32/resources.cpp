// The resource registry: strings, icons and dialog templates by id.
#include "platform/win32/resources.h"

#include "platform/win32/window_manager.h"

#include <algorithm>
#include <cstring>
#include <map>

using namespace win32::detail;

namespace {

struct Icon {
    HICON handle = nullptr;
    std::vector<std::string> picture;
};

struct Registry {
    std::map<UINT, std::string> strings;
    std::map<UINT, Icon> icons;
    std::map<UINT, const DLGTEMPLATE*> dialogs;
    std::map<HICON, UINT> iconIds;
};

Registry& R() {
    static Registry registry;
    return registry;
}

// Stock icons every Windows system has.
const std::map<UINT, std::vector<std::string>>& StockIcons() {
    static const std::map<UINT, std::vector<std::string>> icons{
        {32512, {"[==]", "[__]"}}, // IDI_APPLICATION
        {32513, {"(X)"}},          // IDI_ERROR
        {32514, {"(?)"}},          // IDI_QUESTION
        {32515, {"/!\\"}},         // IDI_WARNING
        {32516, {"(i)"}},          // IDI_INFORMATION
    };
    return icons;
}

HICON IconFor(UINT id) {
    auto& reg = R();
    auto it = reg.icons.find(id);
    if (it == reg.icons.end()) {
        auto stock = StockIcons().find(id);
        if (stock == StockIcons().end()) {
            return nullptr;
        }
        it = reg.icons.emplace(id, Icon{NewHandle<HICON>(), stock->second}).first;
        reg.iconIds[it->second.handle] = id;
    }
    return it->second.handle;
}

} // namespace

int LoadString(HINSTANCE, UINT id, LPSTR buffer, int maxCount) {
    if (buffer == nullptr || maxCount <= 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    buffer[0] = '\0';
    auto it = R().strings.find(id);
    if (it == R().strings.end()) {
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return 0;
    }
    int n = std::min<int>(static_cast<int>(it->second.size()), maxCount - 1);
    std::memcpy(buffer, it->second.data(), static_cast<size_t>(n));
    buffer[n] = '\0';
    return n;
}

HICON LoadIcon(HINSTANCE, LPCSTR name) {
    HICON icon = IS_INTRESOURCE(name)
                     ? IconFor(static_cast<UINT>(reinterpret_cast<ULONG_PTR>(name)))
                     : nullptr;
    if (icon == nullptr) {
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
    }
    return icon;
}

HCURSOR LoadCursor(HINSTANCE, LPCSTR) {
    static const HCURSOR arrow = NewHandle<HCURSOR>();
    return arrow; // the terminal has one pointer
}

BOOL DestroyIcon(HICON icon) {
    if (R().iconIds.count(icon) == 0) {
        SetLastError(ERROR_INVALID_ICON_HANDLE);
        return FALSE;
    }
    return TRUE; // shared icons stay
}

namespace win32 {

void RegisterStrings(std::span<const StringResource> strings) {
    for (const StringResource& s : strings) {
        R().strings[s.id] = s.text ? s.text : "";
    }
}

void RegisterIcon(const IconResource& icon) {
    auto& reg = R();
    auto it = reg.icons.find(icon.id);
    if (it != reg.icons.end()) {
        it->second.picture = icon.picture; // handles already given out stay valid
        return;
    }
    HICON handle = NewHandle<HICON>();
    reg.icons.emplace(icon.id, Icon{handle, icon.picture});
    reg.iconIds[handle] = icon.id;
}

void RegisterDialogTemplate(UINT id, const DLGTEMPLATE* tmpl) {
    R().dialogs[id] = tmpl;
}

const DLGTEMPLATE* FindDialogTemplate(LPCSTR name) {
    if (!IS_INTRESOURCE(name)) {
        return nullptr;
    }
    auto it = R().dialogs.find(static_cast<UINT>(reinterpret_cast<ULONG_PTR>(name)));
    return it == R().dialogs.end() ? nullptr : it->second;
}

std::span<const std::string> IconPicture(HICON icon) {
    auto id = R().iconIds.find(icon);
    if (id == R().iconIds.end()) {
        return {};
    }
    return R().icons[id->second].picture;
}

void ClearResources() {
    auto& reg = R();
    reg.strings.clear();
    reg.dialogs.clear();
    for (auto& [id, icon] : reg.icons) {
        if (StockIcons().count(id) == 0) {
            icon.picture.clear(); // the handle stays known so it never points elsewhere
        }
    }
}

} // namespace win32
