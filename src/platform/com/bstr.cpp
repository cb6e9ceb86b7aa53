#include "platform/com/bstr.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <limits>

namespace {

using Prefix = std::uint32_t; // the byte length, as on Windows

// Room for the prefix, the bytes and a whole zero OLECHAR after them.
constexpr std::size_t kMaxBytes =
    std::numeric_limits<Prefix>::max() - sizeof(Prefix) - 2 * sizeof(OLECHAR);

static_assert(alignof(OLECHAR) <= sizeof(Prefix), "the text must be aligned after the prefix");

Prefix* prefix_of(BSTR s) {
    return reinterpret_cast<Prefix*>(s) - 1;
}

BSTR allocate(std::size_t bytes) {
    if (bytes > kMaxBytes)
        return nullptr;
    // Rounded up to whole characters so the terminator is aligned even for odd byte counts.
    const std::size_t chars = (bytes + sizeof(OLECHAR) - 1) / sizeof(OLECHAR) + 1;
    void* block = std::calloc(1, sizeof(Prefix) + chars * sizeof(OLECHAR));
    if (block == nullptr)
        return nullptr;
    auto* prefix = static_cast<Prefix*>(block);
    *prefix = static_cast<Prefix>(bytes);
    return reinterpret_cast<BSTR>(prefix + 1);
}

} // namespace

BSTR SysAllocString(const OLECHAR* psz) {
    if (psz == nullptr)
        return nullptr;
    const std::size_t len = std::wcslen(psz);
    if (len > std::numeric_limits<UINT>::max())
        return nullptr;
    return SysAllocStringLen(psz, static_cast<UINT>(len));
}

BSTR SysAllocStringLen(const OLECHAR* strIn, UINT len) {
    if (static_cast<std::size_t>(len) > kMaxBytes / sizeof(OLECHAR))
        return nullptr;
    BSTR s = allocate(static_cast<std::size_t>(len) * sizeof(OLECHAR));
    if (s != nullptr && strIn != nullptr && len > 0)
        std::memcpy(s, strIn, static_cast<std::size_t>(len) * sizeof(OLECHAR));
    return s;
}

BSTR SysAllocStringByteLen(LPCSTR psz, UINT len) {
    BSTR s = allocate(len);
    if (s != nullptr && psz != nullptr && len > 0)
        std::memcpy(s, psz, len);
    return s;
}

INT SysReAllocStringLen(BSTR* pbstr, const OLECHAR* psz, UINT len) {
    if (pbstr == nullptr)
        return FALSE;
    BSTR fresh = SysAllocStringLen(psz, len);
    if (fresh == nullptr)
        return FALSE;
    SysFreeString(*pbstr);
    *pbstr = fresh;
    return TRUE;
}

INT SysReAllocString(BSTR* pbstr, const OLECHAR* psz) {
    if (pbstr == nullptr)
        return FALSE;
    if (psz == nullptr) {
        SysFreeString(*pbstr);
        *pbstr = nullptr;
        return TRUE;
    }
    return SysReAllocStringLen(pbstr, psz, static_cast<UINT>(std::wcslen(psz)));
}

void SysFreeString(BSTR bstrString) {
    if (bstrString != nullptr)
        std::free(prefix_of(bstrString));
}

UINT SysStringByteLen(BSTR bstr) {
    return bstr == nullptr ? 0 : *prefix_of(bstr);
}

UINT SysStringLen(BSTR pbstr) {
    return static_cast<UINT>(SysStringByteLen(pbstr) / sizeof(OLECHAR));
}
