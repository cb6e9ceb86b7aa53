// _com_ptr_t, the COM support library's smart pointer: it holds one reference to an
// interface and releases it when it lets go. Converting from a pointer of another
// interface asks that object with QueryInterface; an object that does not answer leaves
// the pointer empty. Using an empty pointer through -> or * raises _com_error(E_POINTER).
//
//     _COM_SMARTPTR_TYPEDEF(IFoo, __uuidof(IFoo));   // IFooPtr
#pragma once

#include "platform/com/com_error.h"
#include "platform/com/registry.h"

#include <cstddef>
#include <memory>
#include <type_traits>

template <class I>
class _com_ptr_t {
public:
    using Interface = I;

    static constexpr IID GetIID() noexcept { return __uuidof(I); }

    _com_ptr_t() noexcept = default;
    _com_ptr_t(std::nullptr_t) noexcept {}
    _com_ptr_t(I* p) noexcept : m_p(p) { add_ref(); }
    _com_ptr_t(I* p, bool fAddRef) noexcept : m_p(p) {
        if (fAddRef)
            add_ref();
    }
    _com_ptr_t(const _com_ptr_t& that) noexcept : m_p(that.m_p) { add_ref(); }
    _com_ptr_t(_com_ptr_t&& that) noexcept : m_p(that.m_p) { that.m_p = nullptr; }

    // From another interface: asks the object; E_NOINTERFACE leaves this empty, other
    // failures raise.
    template <class Q>
    requires(!std::is_same_v<Q, I>) _com_ptr_t(const _com_ptr_t<Q>& that) {
        query_from(that.GetInterfacePtr());
    }
    template <class Q>
    requires(!std::is_convertible_v<Q*, I*> && std::is_convertible_v<Q*, IUnknown*>)
        _com_ptr_t(Q* p) {
        query_from(p);
    }

    // Creates an instance; failures other than E_NOINTERFACE raise.
    explicit _com_ptr_t(REFCLSID clsid, IUnknown* pOuter = nullptr,
                        DWORD dwClsContext = CLSCTX_ALL) {
        const HRESULT hr = CreateInstance(clsid, pOuter, dwClsContext);
        if (FAILED(hr) && hr != E_NOINTERFACE)
            _com_issue_error(hr);
    }

    ~_com_ptr_t() { reset(); }

    _com_ptr_t& operator=(const _com_ptr_t& that) noexcept { return assign(that.m_p); }
    _com_ptr_t& operator=(_com_ptr_t&& that) noexcept {
        if (this != std::addressof(that)) {
            I* old = m_p;
            m_p = that.m_p;
            that.m_p = nullptr;
            if (old != nullptr)
                old->Release();
        }
        return *this;
    }
    _com_ptr_t& operator=(I* p) noexcept { return assign(p); }
    _com_ptr_t& operator=(std::nullptr_t) noexcept {
        reset();
        return *this;
    }
    template <class Q>
    requires(!std::is_same_v<Q, I>) _com_ptr_t& operator=(const _com_ptr_t<Q>& that) {
        _com_ptr_t fresh(that);
        return *this = std::move(fresh);
    }
    template <class Q>
    requires(!std::is_convertible_v<Q*, I*> && std::is_convertible_v<Q*, IUnknown*>) _com_ptr_t&
    operator=(Q* p) {
        _com_ptr_t fresh(p);
        return *this = std::move(fresh);
    }

    // Takes over the caller's reference.
    void Attach(I* p) noexcept {
        reset();
        m_p = p;
    }
    void Attach(I* p, bool fAddRef) noexcept {
        Attach(p);
        if (fAddRef)
            add_ref();
    }
    // Hands the reference to the caller and leaves this empty.
    I* Detach() noexcept {
        I* p = m_p;
        m_p = nullptr;
        return p;
    }
    // Releasing an empty pointer does nothing: destructors release unconditionally, and
    // an exception there would end the program.
    void Release() noexcept { reset(); }
    void AddRef() {
        if (m_p == nullptr)
            _com_issue_error(E_POINTER);
        m_p->AddRef();
    }

    I* GetInterfacePtr() const noexcept { return m_p; }
    I*& GetInterfacePtr() noexcept { return m_p; }
    operator I*() const noexcept { return m_p; }

    I* operator->() const {
        if (m_p == nullptr)
            _com_issue_error(E_POINTER);
        return m_p;
    }
    I& operator*() const {
        if (m_p == nullptr)
            _com_issue_error(E_POINTER);
        return *m_p;
    }
    // For out parameters: releases what is held and gives the address to fill.
    I** operator&() noexcept {
        reset();
        return &m_p;
    }

    explicit operator bool() const noexcept { return m_p != nullptr; }
    bool operator!() const noexcept { return m_p == nullptr; }

    bool operator==(std::nullptr_t) const noexcept { return m_p == nullptr; }
    bool operator==(I* p) const noexcept { return m_p == p; }
    bool operator==(const _com_ptr_t& that) const noexcept { return m_p == that.m_p; }
    // Pointers to different interfaces are equal when they reach the same object.
    template <class Q>
    requires(!std::is_same_v<Q, I>) bool operator==(const _com_ptr_t<Q>& that) const {
        return same_object(m_p, that.GetInterfacePtr());
    }

    HRESULT CreateInstance(REFCLSID rclsid, IUnknown* pOuter = nullptr,
                           DWORD dwClsContext = CLSCTX_ALL) {
        reset();
        if ((dwClsContext & (CLSCTX_LOCAL_SERVER | CLSCTX_REMOTE_SERVER)) == 0)
            return CoCreateInstance(rclsid, pOuter, dwClsContext, GetIID(),
                                    reinterpret_cast<void**>(&m_p));
        // An out-of-process object has to run before it answers for other interfaces.
        IUnknown* unknown = nullptr;
        HRESULT hr = CoCreateInstance(rclsid, pOuter, dwClsContext, IID_IUnknown,
                                      reinterpret_cast<void**>(&unknown));
        if (FAILED(hr))
            return hr;
        hr = OleRun(unknown);
        if (SUCCEEDED(hr))
            hr = unknown->QueryInterface(GetIID(), reinterpret_cast<void**>(&m_p));
        unknown->Release();
        return hr;
    }

    template <class Q>
    HRESULT QueryInterface(REFIID iid, Q*& p) const {
        if (m_p == nullptr)
            return E_POINTER;
        return m_p->QueryInterface(iid, reinterpret_cast<void**>(&p));
    }
    template <class Q>
    HRESULT QueryInterface(REFIID iid, Q** p) const {
        if (p == nullptr)
            return E_POINTER;
        return QueryInterface(iid, *p);
    }

private:
    void add_ref() noexcept {
        if (m_p != nullptr)
            m_p->AddRef();
    }
    void reset() noexcept {
        if (m_p != nullptr) {
            I* old = m_p;
            m_p = nullptr;
            old->Release();
        }
    }
    _com_ptr_t& assign(I* p) noexcept {
        // AddRef first: p may be the only thing keeping itself alive through m_p.
        if (p != nullptr)
            p->AddRef();
        I* old = m_p;
        m_p = p;
        if (old != nullptr)
            old->Release();
        return *this;
    }
    void query_from(IUnknown* p) {
        if (p == nullptr)
            return;
        const HRESULT hr = p->QueryInterface(GetIID(), reinterpret_cast<void**>(&m_p));
        if (FAILED(hr)) {
            m_p = nullptr;
            if (hr != E_NOINTERFACE)
                _com_issue_error(hr);
        }
    }
    static bool same_object(IUnknown* a, IUnknown* b) {
        if (a == nullptr || b == nullptr)
            return a == b;
        IUnknown* ia = nullptr;
        IUnknown* ib = nullptr;
        const bool same =
            SUCCEEDED(a->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&ia))) &&
            SUCCEEDED(b->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&ib))) && ia == ib;
        if (ia != nullptr)
            ia->Release();
        if (ib != nullptr)
            ib->Release();
        return same;
    }

    I* m_p = nullptr;
};

#define _COM_SMARTPTR_TYPEDEF(Interface, iid) using Interface##Ptr = _com_ptr_t<Interface>

_COM_SMARTPTR_TYPEDEF(IUnknown, __uuidof(IUnknown));
_COM_SMARTPTR_TYPEDEF(IErrorInfo, __uuidof(IErrorInfo));
