// The HRESULTs this SDK raises of its own; the host's failures keep the codes the transport
// gives them (0x80040408 QuickBooks not reachable, 0x80040423 version refused, ...).
//
// | HRESULT    | raised when                                                          |
// |------------|----------------------------------------------------------------------|
// | 0x80040400 | a response is not well-formed qbXML or not a response message set    |
// | 0x80040401 | a call needs an open connection and there is none                    |
// | 0x80040402 | a call needs a begun session and there is none                       |
// | 0x80040403 | OpenConnection2 while a connection is open                           |
// | 0x80040404 | BeginSession while a session is begun                                |
// | 0x80040405 | a request element is set a second time ("element already set")      |
// | 0x80040406 | a value of a response is set                                         |
// | E_INVALIDARG | a list index outside 0 .. count-1; a value qbXML cannot carry      |
// | E_POINTER  | DoRequests of no message set                                         |
// | E_FAIL     | the host failed in a way it did not describe with an HRESULT         |
#pragma once

#include "platform/com/hresult.h"

#include <string_view>

namespace qbfc {

inline constexpr HRESULT QBFC_E_PARSE = mw_hresult(0x80040400);
inline constexpr HRESULT QBFC_E_NOT_CONNECTED = mw_hresult(0x80040401);
inline constexpr HRESULT QBFC_E_NO_SESSION = mw_hresult(0x80040402);
inline constexpr HRESULT QBFC_E_ALREADY_CONNECTED = mw_hresult(0x80040403);
inline constexpr HRESULT QBFC_E_SESSION_BEGUN = mw_hresult(0x80040404);
inline constexpr HRESULT QBFC_E_ALREADY_SET = mw_hresult(0x80040405);
inline constexpr HRESULT QBFC_E_READ_ONLY = mw_hresult(0x80040406);

// Throws _com_error with the description (UTF-8) in its error object.
[[noreturn]] void Raise(HRESULT hr, std::string_view description);

} // namespace qbfc
