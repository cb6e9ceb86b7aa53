// The class registry behind CoCreateInstance: classes are registered by CLSID with a
// factory, in this process, for as long as the returned registration lives. A later
// registration of the same CLSID hides an earlier one until it ends.
#pragma once

#include "platform/com/unknown.h"

#include <cstdint>
#include <functional>

inline constexpr DWORD CLSCTX_INPROC_SERVER = 0x1;
inline constexpr DWORD CLSCTX_INPROC_HANDLER = 0x2;
inline constexpr DWORD CLSCTX_LOCAL_SERVER = 0x4;
inline constexpr DWORD CLSCTX_REMOTE_SERVER = 0x10;
inline constexpr DWORD CLSCTX_INPROC = CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER;
inline constexpr DWORD CLSCTX_SERVER =
    CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER | CLSCTX_REMOTE_SERVER;
inline constexpr DWORD CLSCTX_ALL =
    CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER | CLSCTX_LOCAL_SERVER | CLSCTX_REMOTE_SERVER;

inline constexpr DWORD COINIT_MULTITHREADED = 0x0;
inline constexpr DWORD COINIT_APARTMENTTHREADED = 0x2;

// S_OK for the thread's first call, S_FALSE for a nested one, RPC_E_CHANGED_MODE for a
// different apartment kind than the thread already has. Each success needs a CoUninitialize.
HRESULT CoInitialize(LPVOID pvReserved);
HRESULT CoInitializeEx(LPVOID pvReserved, DWORD dwCoInit);
void CoUninitialize();

// REGDB_E_CLASSNOTREG for a class nobody registered, CLASS_E_NOAGGREGATION for a non-null
// outer object, E_INVALIDARG for a context without server kinds, E_POINTER for a null ppv;
// otherwise what the factory returns. *ppv is nullptr after every failure.
HRESULT CoCreateInstance(REFCLSID rclsid, LPUNKNOWN pUnkOuter, DWORD dwClsContext, REFIID riid,
                         LPVOID* ppv);
// Puts an object into its running state; our objects always run: S_OK, or E_INVALIDARG
// for nullptr.
HRESULT OleRun(LPUNKNOWN pUnknown);

namespace mw::com {

// Makes a new object and answers for riid the way QueryInterface does.
using ClassFactory = std::function<HRESULT(REFIID riid, void** ppv)>;

class ClassRegistration {
public:
    ClassRegistration() noexcept = default;
    ClassRegistration(ClassRegistration&& that) noexcept;
    ClassRegistration& operator=(ClassRegistration&& that) noexcept;
    ClassRegistration(const ClassRegistration&) = delete;
    ClassRegistration& operator=(const ClassRegistration&) = delete;
    ~ClassRegistration();

    // Unregisters now; does nothing when already done.
    void reset() noexcept;
    explicit operator bool() const noexcept { return m_cookie != 0; }

private:
    friend ClassRegistration register_class(const CLSID&, ClassFactory);
    explicit ClassRegistration(std::uint64_t cookie) noexcept : m_cookie(cookie) {}
    std::uint64_t m_cookie = 0;
};

[[nodiscard]] ClassRegistration register_class(const CLSID& clsid, ClassFactory factory);

// A factory for T made by make_object<T>(), answering through T's QueryInterface.
template <class T>
ClassFactory factory_of() {
    return [](REFIID riid, void** ppv) -> HRESULT {
        T* object = make_object<T>();
        const HRESULT hr = object->QueryInterface(riid, ppv);
        object->Release();
        return hr;
    };
}

} // namespace mw::com
