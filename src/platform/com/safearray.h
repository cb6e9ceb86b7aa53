// One-dimensional SAFEARRAYs of BSTR, VARIANT_BOOL, integers and doubles. An array of
// BSTR owns its strings: PutElement stores a copy, GetElement hands out a copy the caller
// frees, Destroy frees them all.
#pragma once

#include "platform/com/oletypes.h"

#include <span>
#include <string>
#include <vector>

struct SAFEARRAYBOUND {
    ULONG cElements = 0;
    LONG lLbound = 0;
};
using LPSAFEARRAYBOUND = SAFEARRAYBOUND*;

struct SAFEARRAY {
    USHORT cDims = 0;
    USHORT fFeatures = 0;
    ULONG cbElements = 0;
    ULONG cLocks = 0;
    PVOID pvData = nullptr;
    SAFEARRAYBOUND rgsabound[1];
};
using LPSAFEARRAY = SAFEARRAY*;

inline constexpr USHORT FADF_HAVEVARTYPE = 0x0080;
inline constexpr USHORT FADF_BSTR = 0x0100;

// nullptr for an element type other than VT_BSTR, VT_BOOL, VT_I2, VT_I4, VT_UI1, VT_R8,
// or for more than one dimension.
SAFEARRAY* SafeArrayCreateVector(VARTYPE vt, LONG lLbound, ULONG cElements);
SAFEARRAY* SafeArrayCreate(VARTYPE vt, UINT cDims, SAFEARRAYBOUND* rgsabound);
// DISP_E_ARRAYISLOCKED while the data is accessed; S_OK for nullptr.
HRESULT SafeArrayDestroy(SAFEARRAY* psa);
UINT SafeArrayGetDim(SAFEARRAY* psa);
UINT SafeArrayGetElemsize(SAFEARRAY* psa);
HRESULT SafeArrayGetVartype(SAFEARRAY* psa, VARTYPE* pvt);
// DISP_E_BADINDEX for a dimension other than 1.
HRESULT SafeArrayGetLBound(SAFEARRAY* psa, UINT nDim, LONG* plLbound);
HRESULT SafeArrayGetUBound(SAFEARRAY* psa, UINT nDim, LONG* plUbound);
// pv receives the element; for VT_BSTR a new copy that the caller frees.
// DISP_E_BADINDEX for an index outside the bounds.
HRESULT SafeArrayGetElement(SAFEARRAY* psa, LONG* rgIndices, void* pv);
// For VT_BSTR, pv is the BSTR itself, which is copied; the old element is freed.
HRESULT SafeArrayPutElement(SAFEARRAY* psa, LONG* rgIndices, void* pv);
HRESULT SafeArrayLock(SAFEARRAY* psa);
// E_UNEXPECTED when the array is not locked.
HRESULT SafeArrayUnlock(SAFEARRAY* psa);
HRESULT SafeArrayAccessData(SAFEARRAY* psa, void** ppvData);
HRESULT SafeArrayUnaccessData(SAFEARRAY* psa);

namespace mw::com {

// A new VT_BSTR vector with lower bound 0 holding copies of the texts.
SAFEARRAY* make_bstr_array(std::span<const std::wstring> texts);
// The texts of a VT_BSTR vector (empty for nullptr or another element type).
std::vector<std::wstring> bstr_array_texts(SAFEARRAY* psa);

} // namespace mw::com
