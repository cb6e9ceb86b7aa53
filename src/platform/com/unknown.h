// IUnknown, the IIDs attached to interface types, and a base for implementing objects.
//
// Declaring an interface (at namespace scope, in any namespace):
//
//     MW_COM_INTERFACE(IFoo, "{12345678-1234-1234-1234-123456789ABC}") : public IUnknown {
//         virtual HRESULT Frob(LONG n) = 0;
//     };
//
// The macro forward-declares the type, attaches the IID to it and opens `struct IFoo`, so
// the base list and body follow it. `__uuidof(IFoo)` then yields the IID as a constant.
// MW_COM_DECLARE_UUID(Type, "{...}") attaches a GUID to a type declared elsewhere (a
// coclass, say). An interface deriving from another must be declared with its own IID: the
// base's IID is never inherited.
//
// Implementing objects:
//
//     class Foo : public mw::com::ComObject<IFoo, IBar> { ... };
//     IFoo* p = mw::com::make_object<Foo>(args...);   // one reference, owned by the caller
//
// ComObject answers QueryInterface for IUnknown and each listed interface. A class that
// also answers for an interface's base interfaces, or for anything else, overrides
// find_interface and falls back to the base's.
#pragma once

#include "platform/com/guid.h"

#include <atomic>
#include <tuple>
#include <utility>

namespace mw::com {

template <class T>
struct uuid_tag {};

// Found by argument-dependent lookup through the tag's template argument.
template <class T>
constexpr GUID uuid_of() {
    return mw_com_uuid_of(uuid_tag<T>{});
}

} // namespace mw::com

#define MW_COM_DECLARE_UUID(type, braced)                                                          \
    constexpr GUID mw_com_uuid_of(::mw::com::uuid_tag<type>) {                                     \
        return ::mw::com::make_guid(braced);                                                       \
    }

#define MW_COM_INTERFACE(name, braced)                                                             \
    struct name;                                                                                   \
    MW_COM_DECLARE_UUID(name, braced)                                                              \
    struct name

#define __uuidof(type) (::mw::com::uuid_of<type>())

MW_COM_INTERFACE(IUnknown, "{00000000-0000-0000-C000-000000000046}") {
    virtual HRESULT QueryInterface(REFIID riid, void** ppvObject) = 0;
    virtual ULONG AddRef() = 0;
    virtual ULONG Release() = 0;

    template <class Q>
    HRESULT QueryInterface(Q * *pp) {
        return QueryInterface(__uuidof(Q), reinterpret_cast<void**>(pp));
    }

protected:
    // Objects go away through Release, never through delete on an interface.
    ~IUnknown() = default;
};
using LPUNKNOWN = IUnknown*;

inline constexpr IID IID_IUnknown = __uuidof(IUnknown);

namespace mw::com {

template <class... Interfaces>
class ComObject : public Interfaces... {
    static_assert(sizeof...(Interfaces) > 0, "an object implements at least one interface");

public:
    ComObject() = default;
    ComObject(const ComObject&) = delete;
    ComObject& operator=(const ComObject&) = delete;

    HRESULT QueryInterface(REFIID riid, void** ppv) override {
        if (ppv == nullptr)
            return E_POINTER;
        *ppv = find_interface(riid);
        if (*ppv == nullptr)
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG AddRef() override { return m_refs.fetch_add(1, std::memory_order_relaxed) + 1; }
    ULONG Release() override {
        const ULONG left = m_refs.fetch_sub(1, std::memory_order_acq_rel) - 1;
        if (left == 0)
            delete this;
        return left;
    }

protected:
    virtual ~ComObject() = default;

    // The interface pointer for riid without a new reference, or nullptr.
    virtual void* find_interface(REFIID riid) noexcept {
        if (riid == IID_IUnknown)
            return static_cast<IUnknown*>(static_cast<first_interface*>(this));
        void* found = nullptr;
        ((found == nullptr && riid == uuid_of<Interfaces>()
              ? (found = static_cast<Interfaces*>(this))
              : nullptr),
         ...);
        return found;
    }

    // The object's own IUnknown, the one that identifies it.
    IUnknown* identity() noexcept { return static_cast<first_interface*>(this); }

private:
    using first_interface = std::tuple_element_t<0, std::tuple<Interfaces...>>;
    std::atomic<ULONG> m_refs{1};
};

// A new object holding one reference, which the caller owns.
template <class T, class... Args>
T* make_object(Args&&... args) {
    return new T(std::forward<Args>(args)...);
}

} // namespace mw::com
