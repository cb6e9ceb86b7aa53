#include "platform/com/bstr.h"
#include "platform/com/safearray.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// Destroys the array at the end of a test, whatever it asserted.
struct ArrayGuard {
    SAFEARRAY* psa;
    ~ArrayGuard() { SafeArrayDestroy(psa); }
};

TEST(SafeArray, BoundsOfAVector) {
    struct Case {
        LONG lower;
        ULONG count;
        LONG upper;
    };
    const Case cases[] = {{0, 3, 2}, {1, 3, 3}, {-2, 1, -2}, {0, 0, -1}};
    for (const Case& c : cases) {
        ArrayGuard a{SafeArrayCreateVector(VT_BSTR, c.lower, c.count)};
        ASSERT_NE(a.psa, nullptr);
        EXPECT_EQ(SafeArrayGetDim(a.psa), 1u);
        LONG lower = 99;
        LONG upper = 99;
        EXPECT_EQ(SafeArrayGetLBound(a.psa, 1, &lower), S_OK);
        EXPECT_EQ(SafeArrayGetUBound(a.psa, 1, &upper), S_OK);
        EXPECT_EQ(lower, c.lower);
        EXPECT_EQ(upper, c.upper);
        EXPECT_EQ(SafeArrayGetLBound(a.psa, 0, &lower), DISP_E_BADINDEX);
        EXPECT_EQ(SafeArrayGetUBound(a.psa, 2, &upper), DISP_E_BADINDEX);
    }
}

TEST(SafeArray, ElementsAreCopiedInAndOut) {
    ArrayGuard a{SafeArrayCreateVector(VT_BSTR, 1, 2)};
    BSTR text = SysAllocString(L"8.0");
    LONG index = 1;
    ASSERT_EQ(SafeArrayPutElement(a.psa, &index, text), S_OK);
    SysFreeString(text); // the array holds its own copy

    BSTR out = nullptr;
    ASSERT_EQ(SafeArrayGetElement(a.psa, &index, &out), S_OK);
    EXPECT_STREQ(out, L"8.0");
    BSTR again = nullptr;
    SafeArrayGetElement(a.psa, &index, &again);
    EXPECT_NE(out, again) << "each read is a copy of its own";
    SysFreeString(out);
    SysFreeString(again);

    BSTR replacement = SysAllocString(L"13.0");
    SafeArrayPutElement(a.psa, &index, replacement);
    SysFreeString(replacement);
    EXPECT_EQ(mw::com::bstr_array_texts(a.psa), (std::vector<std::wstring>{L"13.0", L""}));
}

TEST(SafeArray, IndicesOutsideTheBoundsAreRefused) {
    ArrayGuard a{SafeArrayCreateVector(VT_BSTR, 1, 2)};
    for (LONG index : {0, 3, -1}) {
        BSTR out = nullptr;
        EXPECT_EQ(SafeArrayGetElement(a.psa, &index, &out), DISP_E_BADINDEX) << index;
        EXPECT_EQ(SafeArrayPutElement(a.psa, &index, nullptr), DISP_E_BADINDEX) << index;
    }
}

TEST(SafeArray, AccessedDataCannotBeDestroyed) {
    const std::wstring texts[] = {L"CA3.0", L"2.0"};
    SAFEARRAY* psa = mw::com::make_bstr_array(texts);
    void* data = nullptr;
    ASSERT_EQ(SafeArrayAccessData(psa, &data), S_OK);
    EXPECT_STREQ(static_cast<BSTR*>(data)[0], L"CA3.0");
    EXPECT_EQ(SafeArrayDestroy(psa), DISP_E_ARRAYISLOCKED);
    EXPECT_EQ(SafeArrayUnaccessData(psa), S_OK);
    EXPECT_EQ(SafeArrayUnaccessData(psa), E_UNEXPECTED);
    EXPECT_EQ(SafeArrayDestroy(psa), S_OK);
}

TEST(SafeArray, ScalarElementsAndTypes) {
    ArrayGuard a{SafeArrayCreateVector(VT_BOOL, 0, 1)};
    VARIANT_BOOL value = VARIANT_TRUE;
    LONG index = 0;
    ASSERT_EQ(SafeArrayPutElement(a.psa, &index, &value), S_OK);
    VARIANT_BOOL out = VARIANT_FALSE;
    ASSERT_EQ(SafeArrayGetElement(a.psa, &index, &out), S_OK);
    EXPECT_EQ(out, VARIANT_TRUE);
    VARTYPE vt = VT_EMPTY;
    EXPECT_EQ(SafeArrayGetVartype(a.psa, &vt), S_OK);
    EXPECT_EQ(vt, VT_BOOL);
    EXPECT_EQ(SafeArrayCreateVector(VT_VARIANT, 0, 1), nullptr);
    EXPECT_EQ(SafeArrayDestroy(nullptr), S_OK);
}

} // namespace
