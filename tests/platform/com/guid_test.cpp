#include "platform/com/guid.h"
#include "platform/com/unknown.h"

#include <gtest/gtest.h>

namespace {

constexpr GUID kSessionManager = mw::com::make_guid("{6C9E80E3-B780-4361-A693-5E5C6BDC83A9}");

TEST(Guid, BracedTextFillsTheFieldsInOrder) {
    EXPECT_EQ(kSessionManager.Data1, 0x6C9E80E3u);
    EXPECT_EQ(kSessionManager.Data2, 0xB780);
    EXPECT_EQ(kSessionManager.Data3, 0x4361);
    const BYTE tail[8] = {0xA6, 0x93, 0x5E, 0x5C, 0x6B, 0xDC, 0x83, 0xA9};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(kSessionManager.Data4[i], tail[i]) << i;
}

TEST(Guid, WrittenAndReadBack) {
    OLECHAR text[39];
    ASSERT_EQ(StringFromGUID2(kSessionManager, text, 39), 39);
    EXPECT_STREQ(text, L"{6C9E80E3-B780-4361-A693-5E5C6BDC83A9}");
    EXPECT_EQ(StringFromGUID2(kSessionManager, text, 38), 0) << "no room for the terminator";

    CLSID parsed;
    ASSERT_EQ(CLSIDFromString(text, &parsed), NOERROR);
    EXPECT_EQ(parsed, kSessionManager);
    IID lower;
    ASSERT_EQ(IIDFromString(L"{6c9e80e3-b780-4361-a693-5e5c6bdc83a9}", &lower), NOERROR);
    EXPECT_EQ(lower, kSessionManager);
}

TEST(Guid, MalformedTextIsRefused) {
    const wchar_t* bad[] = {
        L"",
        L"6C9E80E3-B780-4361-A693-5E5C6BDC83A9",
        L"{6C9E80E3-B780-4361-A693-5E5C6BDC83A}",
        L"{6C9E80E3-B780-4361-A693-5E5C6BDC83A9 }",
        L"{6C9E80E3B780-4361-A693-5E5C6BDC83A9-}",
        L"{6C9E80E3-B780-4361-A693-5E5C6BDC83AG}",
    };
    for (const wchar_t* text : bad) {
        CLSID clsid;
        EXPECT_EQ(CLSIDFromString(text, &clsid), CO_E_CLASSSTRING) << text;
        IID iid;
        EXPECT_EQ(IIDFromString(text, &iid), E_INVALIDARG) << text;
    }
    CLSID clsid;
    EXPECT_EQ(CLSIDFromString(nullptr, &clsid), CO_E_CLASSSTRING);
}

TEST(Guid, InterfacesCarryTheirOwnIds) {
    static_assert(__uuidof(IUnknown) ==
                  mw::com::make_guid("{00000000-0000-0000-C000-000000000046}"));
    EXPECT_EQ(mw::com::to_string(IID_IUnknown), "{00000000-0000-0000-C000-000000000046}");
    EXPECT_NE(GUID_NULL, IID_IUnknown);
}

} // namespace
