#include "platform/com/com_error.h"

#include <gtest/gtest.h>

namespace {

TEST(ComError, MessageIsTheSystemTextForTheCode) {
    struct Case {
        HRESULT code;
        const char* message;
    };
    const Case cases[] = {
        {E_FAIL, "Unspecified error"},
        {E_POINTER, "Invalid pointer"},
        {E_NOINTERFACE, "No such interface supported"},
        {REGDB_E_CLASSNOTREG, "Class not registered"},
        {DISP_E_TYPEMISMATCH, "Type mismatch."},
        {mw_hresult(0x80040408), "Unknown error 0x80040408"},
        {mw_hresult(0x8004041B), "Unknown error 0x8004041B"},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(_com_error(c.code).ErrorMessage(), c.message) << std::hex << c.code;
}

TEST(ComError, WithoutErrorObjectTheDescriptionIsNull) {
    const _com_error e(E_FAIL);
    EXPECT_EQ(e.ErrorInfo(), nullptr);
    EXPECT_EQ(static_cast<const wchar_t*>(e.Description()), nullptr);
    EXPECT_EQ(e.Description().length(), 0u);
}

TEST(ComError, RaisedErrorCarriesItsDescriptionThroughCopies) {
    const HRESULT code = mw_hresult(0x80040408);
    try {
        mw::com::raise_error(code, L"Could not start QuickBooks.", L"QBXMLRP2");
        FAIL() << "no exception";
    } catch (_com_error& e) {
        EXPECT_EQ(e.Error(), code);
        EXPECT_EQ(e.WCode(), 0x0408 - 0x200);
        EXPECT_STREQ(static_cast<const wchar_t*>(e.Description()), L"Could not start QuickBooks.");
        EXPECT_STREQ(static_cast<const wchar_t*>(e.Source()), L"QBXMLRP2");
        const _com_error copy = e;
        e = _com_error(E_FAIL);
        EXPECT_STREQ(static_cast<const wchar_t*>(copy.Description()),
                     L"Could not start QuickBooks.");
        IErrorInfo* info = copy.ErrorInfo();
        ASSERT_NE(info, nullptr);
        info->Release();
    }
}

TEST(ComError, IssueErrorExTakesTheThreadsErrorObject) {
    IErrorInfo* info = mw::com::make_error_info(L"from the object");
    SetErrorInfo(0, info);
    info->Release();
    try {
        _com_issue_errorex(E_FAIL, nullptr, IID_IUnknown);
    } catch (const _com_error& e) {
        EXPECT_STREQ(static_cast<const wchar_t*>(e.Description()), L"from the object");
    }
    IErrorInfo* left = nullptr;
    EXPECT_EQ(GetErrorInfo(0, &left), S_FALSE) << "the error object is handed over once";
    EXPECT_EQ(left, nullptr);
}

TEST(HResult, MacrosTakeCodesApart) {
    const HRESULT itf = MAKE_HRESULT(SEVERITY_ERROR, FACILITY_ITF, 0x0422);
    EXPECT_EQ(itf, mw_hresult(0x80040422));
    EXPECT_TRUE(FAILED(itf));
    EXPECT_EQ(HRESULT_FACILITY(itf), FACILITY_ITF);
    EXPECT_EQ(HRESULT_CODE(itf), 0x0422u);
    EXPECT_TRUE(SUCCEEDED(S_FALSE));
    EXPECT_EQ(HRESULT_FROM_WIN32(5), E_ACCESSDENIED);
}

} // namespace
