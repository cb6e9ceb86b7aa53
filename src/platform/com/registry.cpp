#include "platform/com/registry.h"

#include <algorithm>
#include <mutex>
#include <vector>

namespace {

struct Entry {
    std::uint64_t cookie;
    CLSID clsid;
    mw::com::ClassFactory factory;
};

struct Registry {
    std::mutex mutex;
    std::vector<Entry> entries; // later registrations last
    std::uint64_t next_cookie = 1;
};

Registry& registry() {
    static Registry r;
    return r;
}

struct Apartment {
    int depth = 0;
    DWORD model = 0;
};
thread_local Apartment t_apartment;

} // namespace

HRESULT CoInitializeEx(LPVOID, DWORD dwCoInit) {
    const DWORD model = dwCoInit & COINIT_APARTMENTTHREADED;
    if (t_apartment.depth > 0) {
        if (t_apartment.model != model)
            return RPC_E_CHANGED_MODE;
        ++t_apartment.depth;
        return S_FALSE;
    }
    t_apartment = {1, model};
    return S_OK;
}

HRESULT CoInitialize(LPVOID pvReserved) {
    return CoInitializeEx(pvReserved, COINIT_APARTMENTTHREADED);
}

void CoUninitialize() {
    if (t_apartment.depth > 0)
        --t_apartment.depth;
}

HRESULT CoCreateInstance(REFCLSID rclsid, LPUNKNOWN pUnkOuter, DWORD dwClsContext, REFIID riid,
                         LPVOID* ppv) {
    if (ppv == nullptr)
        return E_POINTER;
    *ppv = nullptr;
    if ((dwClsContext & CLSCTX_ALL) == 0)
        return E_INVALIDARG;
    mw::com::ClassFactory factory;
    {
        Registry& r = registry();
        std::lock_guard lock(r.mutex);
        const auto found = std::find_if(r.entries.rbegin(), r.entries.rend(),
                                        [&](const Entry& e) { return e.clsid == rclsid; });
        if (found == r.entries.rend())
            return REGDB_E_CLASSNOTREG;
        factory = found->factory;
    }
    if (pUnkOuter != nullptr)
        return CLASS_E_NOAGGREGATION;
    // Outside the lock: a factory may create other objects.
    const HRESULT hr = factory(riid, ppv);
    if (FAILED(hr))
        *ppv = nullptr;
    return hr;
}

HRESULT OleRun(LPUNKNOWN pUnknown) {
    return pUnknown == nullptr ? E_INVALIDARG : S_OK;
}

namespace mw::com {

ClassRegistration register_class(const CLSID& clsid, ClassFactory factory) {
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    const std::uint64_t cookie = r.next_cookie++;
    r.entries.push_back({cookie, clsid, std::move(factory)});
    return ClassRegistration(cookie);
}

ClassRegistration::ClassRegistration(ClassRegistration&& that) noexcept : m_cookie(that.m_cookie) {
    that.m_cookie = 0;
}

ClassRegistration& ClassRegistration::operator=(ClassRegistration&& that) noexcept {
    if (this != &that) {
        reset();
        m_cookie = that.m_cookie;
        that.m_cookie = 0;
    }
    return *this;
}

ClassRegistration::~ClassRegistration() {
    reset();
}

void ClassRegistration::reset() noexcept {
    if (m_cookie == 0)
        return;
    ClassFactory dropped;
    {
        Registry& r = registry();
        std::lock_guard lock(r.mutex);
        const auto found = std::find_if(r.entries.begin(), r.entries.end(),
                                        [&](const Entry& e) { return e.cookie == m_cookie; });
        if (found != r.entries.end()) {
            // The factory's captures are destroyed outside the lock.
            dropped = std::move(found->factory);
            r.entries.erase(found);
        }
    }
    m_cookie = 0;
}

} // namespace mw::com
