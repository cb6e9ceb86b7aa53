#include "platform/com/safearray.h"

#include "platform/com/bstr.h"

#include <cstddef>
#include <cstdlib>
#include <cstring>

namespace {

// The element type sits in front of the descriptor, where Windows keeps it too.
struct Block {
    VARTYPE vt;
    SAFEARRAY array;
};

Block* block_of(SAFEARRAY* psa) {
    return reinterpret_cast<Block*>(reinterpret_cast<char*>(psa) - offsetof(Block, array));
}

ULONG element_size(VARTYPE vt) {
    switch (vt) {
    case VT_BSTR:
        return sizeof(BSTR);
    case VT_BOOL:
        return sizeof(VARIANT_BOOL);
    case VT_I2:
        return sizeof(SHORT);
    case VT_I4:
        return sizeof(LONG);
    case VT_UI1:
        return sizeof(BYTE);
    case VT_R8:
        return sizeof(DOUBLE);
    default:
        return 0;
    }
}

bool is_bstr(SAFEARRAY* psa) {
    return (psa->fFeatures & FADF_BSTR) != 0;
}

// The address of the element at *index, or nullptr when it lies outside the bounds.
void* element_at(SAFEARRAY* psa, const LONG* index) {
    const SAFEARRAYBOUND& b = psa->rgsabound[0];
    const long long offset = static_cast<long long>(*index) - b.lLbound;
    if (offset < 0 || offset >= static_cast<long long>(b.cElements))
        return nullptr;
    return static_cast<char*>(psa->pvData) + offset * psa->cbElements;
}

} // namespace

SAFEARRAY* SafeArrayCreateVector(VARTYPE vt, LONG lLbound, ULONG cElements) {
    const ULONG size = element_size(vt);
    if (size == 0)
        return nullptr;
    void* data = std::calloc(cElements == 0 ? 1 : cElements, size);
    if (data == nullptr)
        return nullptr;
    auto* block = new Block{vt, {}};
    SAFEARRAY& sa = block->array;
    sa.cDims = 1;
    sa.fFeatures = static_cast<USHORT>(FADF_HAVEVARTYPE | (vt == VT_BSTR ? FADF_BSTR : 0));
    sa.cbElements = size;
    sa.pvData = data;
    sa.rgsabound[0] = {cElements, lLbound};
    return &sa;
}

SAFEARRAY* SafeArrayCreate(VARTYPE vt, UINT cDims, SAFEARRAYBOUND* rgsabound) {
    if (cDims != 1 || rgsabound == nullptr)
        return nullptr;
    return SafeArrayCreateVector(vt, rgsabound[0].lLbound, rgsabound[0].cElements);
}

HRESULT SafeArrayDestroy(SAFEARRAY* psa) {
    if (psa == nullptr)
        return S_OK;
    if (psa->cLocks > 0)
        return DISP_E_ARRAYISLOCKED;
    if (is_bstr(psa)) {
        auto* strings = static_cast<BSTR*>(psa->pvData);
        for (ULONG i = 0; i < psa->rgsabound[0].cElements; ++i)
            SysFreeString(strings[i]);
    }
    std::free(psa->pvData);
    delete block_of(psa);
    return S_OK;
}

UINT SafeArrayGetDim(SAFEARRAY* psa) {
    return psa == nullptr ? 0 : psa->cDims;
}

UINT SafeArrayGetElemsize(SAFEARRAY* psa) {
    return psa == nullptr ? 0 : psa->cbElements;
}

HRESULT SafeArrayGetVartype(SAFEARRAY* psa, VARTYPE* pvt) {
    if (psa == nullptr || pvt == nullptr)
        return E_INVALIDARG;
    *pvt = block_of(psa)->vt;
    return S_OK;
}

HRESULT SafeArrayGetLBound(SAFEARRAY* psa, UINT nDim, LONG* plLbound) {
    if (psa == nullptr || plLbound == nullptr)
        return E_INVALIDARG;
    if (nDim < 1 || nDim > psa->cDims)
        return DISP_E_BADINDEX;
    *plLbound = psa->rgsabound[0].lLbound;
    return S_OK;
}

HRESULT SafeArrayGetUBound(SAFEARRAY* psa, UINT nDim, LONG* plUbound) {
    LONG lower = 0;
    const HRESULT hr = SafeArrayGetLBound(psa, nDim, &lower);
    if (FAILED(hr))
        return hr;
    *plUbound = static_cast<LONG>(lower + static_cast<long long>(psa->rgsabound[0].cElements) - 1);
    return S_OK;
}

HRESULT SafeArrayGetElement(SAFEARRAY* psa, LONG* rgIndices, void* pv) {
    if (psa == nullptr || rgIndices == nullptr || pv == nullptr)
        return E_INVALIDARG;
    void* element = element_at(psa, rgIndices);
    if (element == nullptr)
        return DISP_E_BADINDEX;
    if (is_bstr(psa)) {
        const BSTR s = *static_cast<BSTR*>(element);
        BSTR copy = s == nullptr ? nullptr : SysAllocStringLen(s, SysStringLen(s));
        if (s != nullptr && copy == nullptr)
            return E_OUTOFMEMORY;
        *static_cast<BSTR*>(pv) = copy;
    } else {
        std::memcpy(pv, element, psa->cbElements);
    }
    return S_OK;
}

HRESULT SafeArrayPutElement(SAFEARRAY* psa, LONG* rgIndices, void* pv) {
    if (psa == nullptr || rgIndices == nullptr)
        return E_INVALIDARG;
    void* element = element_at(psa, rgIndices);
    if (element == nullptr)
        return DISP_E_BADINDEX;
    if (is_bstr(psa)) {
        const auto s = static_cast<BSTR>(pv);
        BSTR copy = s == nullptr ? nullptr : SysAllocStringLen(s, SysStringLen(s));
        if (s != nullptr && copy == nullptr)
            return E_OUTOFMEMORY;
        auto* slot = static_cast<BSTR*>(element);
        SysFreeString(*slot);
        *slot = copy;
    } else {
        if (pv == nullptr)
            return E_INVALIDARG;
        std::memcpy(element, pv, psa->cbElements);
    }
    return S_OK;
}

HRESULT SafeArrayLock(SAFEARRAY* psa) {
    if (psa == nullptr)
        return E_INVALIDARG;
    ++psa->cLocks;
    return S_OK;
}

HRESULT SafeArrayUnlock(SAFEARRAY* psa) {
    if (psa == nullptr)
        return E_INVALIDARG;
    if (psa->cLocks == 0)
        return E_UNEXPECTED;
    --psa->cLocks;
    return S_OK;
}

HRESULT SafeArrayAccessData(SAFEARRAY* psa, void** ppvData) {
    if (psa == nullptr || ppvData == nullptr)
        return E_INVALIDARG;
    ++psa->cLocks;
    *ppvData = psa->pvData;
    return S_OK;
}

HRESULT SafeArrayUnaccessData(SAFEARRAY* psa) {
    return SafeArrayUnlock(psa);
}

namespace mw::com {

SAFEARRAY* make_bstr_array(std::span<const std::wstring> texts) {
    SAFEARRAY* psa = SafeArrayCreateVector(VT_BSTR, 0, static_cast<ULONG>(texts.size()));
    if (psa == nullptr)
        return nullptr;
    auto* slots = static_cast<BSTR*>(psa->pvData);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        slots[i] = SysAllocStringLen(texts[i].data(), static_cast<UINT>(texts[i].size()));
        if (slots[i] == nullptr) {
            SafeArrayDestroy(psa);
            return nullptr;
        }
    }
    return psa;
}

std::vector<std::wstring> bstr_array_texts(SAFEARRAY* psa) {
    std::vector<std::wstring> texts;
    if (psa == nullptr || !is_bstr(psa))
        return texts;
    const auto* slots = static_cast<BSTR*>(psa->pvData);
    for (ULONG i = 0; i < psa->rgsabound[0].cElements; ++i)
        texts.emplace_back(slots[i] == nullptr ? L"" : slots[i], SysStringLen(slots[i]));
    return texts;
}

} // namespace mw::com
