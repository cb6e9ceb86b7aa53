#include "platform/com/guid.h"

#include <cstdio>
#include <cwchar>

namespace mw::com {

std::string to_string(REFGUID g) {
    char text[40];
    std::snprintf(text, sizeof text, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
                  static_cast<unsigned>(g.Data1), g.Data2, g.Data3, g.Data4[0], g.Data4[1],
                  g.Data4[2], g.Data4[3], g.Data4[4], g.Data4[5], g.Data4[6], g.Data4[7]);
    return text;
}

std::wstring to_wstring(REFGUID guid) {
    const std::string narrow = to_string(guid);
    return std::wstring(narrow.begin(), narrow.end());
}

} // namespace mw::com

int StringFromGUID2(REFGUID rguid, LPOLESTR lpsz, int cchMax) {
    const std::wstring text = mw::com::to_wstring(rguid);
    const int needed = static_cast<int>(text.size()) + 1;
    if (lpsz == nullptr || cchMax < needed)
        return 0;
    std::wmemcpy(lpsz, text.c_str(), static_cast<std::size_t>(needed));
    return needed;
}

HRESULT CLSIDFromString(LPCOLESTR lpsz, LPCLSID pclsid) {
    if (pclsid == nullptr)
        return E_INVALIDARG;
    const auto g = lpsz != nullptr ? mw::com::parse_guid(std::wstring_view(lpsz)) : std::nullopt;
    if (!g)
        return CO_E_CLASSSTRING;
    *pclsid = *g;
    return NOERROR;
}

HRESULT IIDFromString(LPCOLESTR lpsz, LPIID lpiid) {
    if (lpiid == nullptr)
        return E_INVALIDARG;
    const auto g = lpsz != nullptr ? mw::com::parse_guid(std::wstring_view(lpsz)) : std::nullopt;
    if (!g)
        return E_INVALIDARG;
    *lpiid = *g;
    return NOERROR;
}
