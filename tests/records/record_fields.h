// Field tables of the records, grouped by kind, so one set of checks can dirty, clear and
// copy any record and say which field went wrong.
#pragma once

#include "platform/com/com.h"
#include "platform/mfc/afx.h"
#include "records/address.h"
#include "records/list_ref.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace records_test {

template <typename M, typename T>
using Fields = std::vector<std::pair<const char*, M T::*>>;

template <typename T>
struct RecordFields {
    Fields<_bstr_t, T> strings;       // cleared to ""
    Fields<_bstr_t, T> keptStrings;   // left alone by clear(), null in a new record
    Fields<double, T> doubles;        // cleared to 0
    Fields<LONG, T> numbers;          // cleared to 0 (integers and enumeration values)
    Fields<VARIANT_BOOL, T> booleans; // cleared to clearedBoolean
    Fields<COleDateTime, T> dates;    // status null after clear(), day value kept
    Fields<QB_ListRef, T> refs;       // cleared
    Fields<QB_Address, T> addresses;  // cleared
    VARIANT_BOOL clearedBoolean = VARIANT_FALSE;
};

inline bool IsNull(const _bstr_t& s) {
    return static_cast<const wchar_t*>(s) == nullptr;
}

// "" that is an allocated text, as clear() leaves it, rather than a null string.
inline bool IsEmptyText(const _bstr_t& s) {
    return !IsNull(s) && s.length() == 0;
}

inline bool SameText(const _bstr_t& a, const _bstr_t& b) {
    return static_cast<const wchar_t*>(a) == static_cast<const wchar_t*>(b);
}

inline std::wstring Text(const _bstr_t& s) {
    const wchar_t* p = static_cast<const wchar_t*>(s);
    return p != nullptr ? std::wstring(p, s.length()) : std::wstring();
}

// 15 March 2011, the day value that clear() must keep.
inline const DATE kMarch15 = COleDateTime(2011, 3, 15, 0, 0, 0).m_dt;

inline const wchar_t* const kAddressParts[] = {L"a1",   L"a2", L"a3",  L"a4",   L"a5",
                                               L"city", L"st", L"zip", L"land", L"note"};

inline std::vector<_bstr_t QB_Address::*> AddressFields() {
    return {&QB_Address::Addr1,   &QB_Address::Addr2, &QB_Address::Addr3, &QB_Address::Addr4,
            &QB_Address::Addr5,   &QB_Address::City,  &QB_Address::State, &QB_Address::PostalCode,
            &QB_Address::Country, &QB_Address::Note};
}

inline void FillAddress(QB_Address& a, const std::wstring& tag) {
    const auto fields = AddressFields();
    for (std::size_t i = 0; i < fields.size(); ++i) {
        a.*fields[i] = (tag + kAddressParts[i]).c_str();
    }
}

inline void ExpectClearedAddress(const QB_Address& a, const std::string& where) {
    const auto fields = AddressFields();
    for (std::size_t i = 0; i < fields.size(); ++i) {
        EXPECT_TRUE(IsEmptyText(a.*fields[i])) << where << " part " << i;
    }
}

inline void ExpectClearedRef(const QB_ListRef& r, const std::string& where) {
    EXPECT_TRUE(IsEmptyText(r.ListID)) << where << ".ListID";
    EXPECT_TRUE(IsEmptyText(r.FullName)) << where << ".FullName";
}

// Gives every field a value of its own that no cleared record holds; tag tells two fillings
// apart.
template <typename T>
void Fill(T& r, const RecordFields<T>& f, const std::wstring& tag) {
    for (const auto& [name, m] : f.strings) {
        r.*m = (tag + L"s").c_str();
    }
    for (const auto& [name, m] : f.keptStrings) {
        r.*m = (tag + L"k").c_str();
    }
    for (const auto& [name, m] : f.doubles) {
        r.*m = 12.5 + static_cast<double>(tag.size());
    }
    for (const auto& [name, m] : f.numbers) {
        r.*m = 3171 + static_cast<LONG>(tag.size());
    }
    for (const auto& [name, m] : f.booleans) {
        r.*m = f.clearedBoolean == VARIANT_FALSE ? VARIANT_TRUE : VARIANT_FALSE;
    }
    for (const auto& [name, m] : f.dates) {
        r.*m = COleDateTime(kMarch15 + static_cast<double>(tag.size()));
    }
    for (const auto& [name, m] : f.refs) {
        (r.*m).Reserved = (tag + L"r").c_str();
        (r.*m).ListID = (tag + L"id").c_str();
        (r.*m).FullName = (tag + L"name").c_str();
    }
    for (const auto& [name, m] : f.addresses) {
        FillAddress(r.*m, tag);
    }
}

// The state clear() must leave; dates are checked for their status, and for their day value
// when expectedDay is given.
template <typename T>
void ExpectCleared(const T& r, const RecordFields<T>& f, const DATE* expectedDay) {
    for (const auto& [name, m] : f.strings) {
        EXPECT_TRUE(IsEmptyText(r.*m)) << name;
    }
    for (const auto& [name, m] : f.doubles) {
        EXPECT_EQ(r.*m, 0.0) << name;
    }
    for (const auto& [name, m] : f.numbers) {
        EXPECT_EQ(r.*m, 0) << name;
    }
    for (const auto& [name, m] : f.booleans) {
        EXPECT_EQ(r.*m, f.clearedBoolean) << name;
    }
    for (const auto& [name, m] : f.dates) {
        EXPECT_EQ((r.*m).GetStatus(), COleDateTime::null) << name;
        if (expectedDay != nullptr) {
            EXPECT_EQ((r.*m).m_dt, *expectedDay) << name;
        }
    }
    for (const auto& [name, m] : f.refs) {
        ExpectClearedRef(r.*m, name);
    }
    for (const auto& [name, m] : f.addresses) {
        ExpectClearedAddress(r.*m, name);
    }
}

// Every field of copy holds the value of source, strings sharing source's text. A list
// reference's Reserved is not part of its copy.
template <typename T>
void ExpectCopyOf(const T& copy, const T& source, const RecordFields<T>& f) {
    for (const auto* group : {&f.strings, &f.keptStrings}) {
        for (const auto& [name, m] : *group) {
            EXPECT_TRUE(SameText(copy.*m, source.*m)) << name;
        }
    }
    for (const auto& [name, m] : f.doubles) {
        EXPECT_EQ(copy.*m, source.*m) << name;
    }
    for (const auto& [name, m] : f.numbers) {
        EXPECT_EQ(copy.*m, source.*m) << name;
    }
    for (const auto& [name, m] : f.booleans) {
        EXPECT_EQ(copy.*m, source.*m) << name;
    }
    for (const auto& [name, m] : f.dates) {
        EXPECT_EQ((copy.*m).m_dt, (source.*m).m_dt) << name;
        EXPECT_EQ((copy.*m).GetStatus(), (source.*m).GetStatus()) << name;
    }
    for (const auto& [name, m] : f.refs) {
        EXPECT_TRUE(SameText((copy.*m).ListID, (source.*m).ListID)) << name;
        EXPECT_TRUE(SameText((copy.*m).FullName, (source.*m).FullName)) << name;
    }
    for (const auto& [name, m] : f.addresses) {
        for (auto part : AddressFields()) {
            EXPECT_TRUE(SameText(copy.*m.*part, source.*m.*part)) << name;
        }
    }
}

} // namespace records_test
