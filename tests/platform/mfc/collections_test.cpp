#include "platform/crt/wintypes.h"
#include "platform/mfc/collections.h"

#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <stdexcept>

namespace {

TEST(CArray, InsertRemoveAndBounds) {
    CArray<int, int> a;
    EXPECT_EQ(a.Add(10), 0);
    EXPECT_EQ(a.Add(30), 1);
    a.InsertAt(1, 20);
    a.InsertAt(5, 7, 2); // past the end: grows with default elements first
    ASSERT_EQ(a.GetSize(), 7);
    const int expected[] = {10, 20, 30, 0, 0, 7, 7};
    for (INT_PTR i = 0; i < a.GetSize(); ++i) {
        EXPECT_EQ(a[i], expected[i]) << i;
    }
    a.RemoveAt(3, 2);
    a.SetAt(0, 11);
    a.ElementAt(1) += 1;
    EXPECT_EQ(a.GetAt(0), 11);
    EXPECT_EQ(a.GetAt(1), 21);
    EXPECT_EQ(a.GetCount(), 5);
    EXPECT_EQ(a.GetUpperBound(), 4);

    EXPECT_THROW(a.GetAt(5), std::out_of_range);
    EXPECT_THROW(a[-1], std::out_of_range);
    EXPECT_THROW(a.RemoveAt(4, 2), std::out_of_range);
    EXPECT_THROW(a.SetSize(-1), std::out_of_range);
    EXPECT_EQ(a.GetSize(), 5);

    a.SetSize(2);
    EXPECT_EQ(a.GetSize(), 2);
    a.RemoveAll();
    EXPECT_TRUE(a.IsEmpty());
}

TEST(CArray, AddingAnElementOfTheSameArray) {
    CArray<CString, const CString&> a;
    a.Add("first");
    for (int i = 0; i < 100; ++i) {
        a.Add(a[0]); // the reference must survive the growth
    }
    EXPECT_EQ(a[100], "first");
    a.Append(a);
    EXPECT_EQ(a.GetSize(), 202);
}

TEST(CTypedPtrArray, TypedAccess) {
    int x = 1, y = 2;
    CTypedPtrArray<CPtrArray, int*> a;
    a.Add(&x);
    a.Add(&y);
    EXPECT_EQ(*a.GetAt(1), 2);
    EXPECT_EQ(a[0], &x);
}

using HandleMap = CMap<HWND, HWND, int*, int*>;

HWND Handle(std::uintptr_t n) {
    return reinterpret_cast<HWND>(n * 16);
}

TEST(CMap, SetLookupRemove) {
    HandleMap m;
    EXPECT_EQ(m.GetHashTableSize(), 17u);
    int a = 1, b = 2;
    m.SetAt(Handle(1), &a);
    m.SetAt(Handle(18), &b); // same bucket as 1 with 17 buckets
    m[Handle(1)] = &b;       // replaces
    EXPECT_EQ(m.GetCount(), 2);
    int* found = nullptr;
    EXPECT_TRUE(m.Lookup(Handle(1), found));
    EXPECT_EQ(found, &b);
    EXPECT_FALSE(m.Lookup(Handle(2), found));
    EXPECT_EQ(found, &b); // untouched on a miss
    EXPECT_TRUE(m.RemoveKey(Handle(1)));
    EXPECT_FALSE(m.RemoveKey(Handle(1)));
    EXPECT_TRUE(m.Lookup(Handle(18), found));
    EXPECT_EQ(m.GetCount(), 1);
    m.RemoveAll();
    EXPECT_TRUE(m.IsEmpty());
    EXPECT_EQ(m.GetStartPosition(), nullptr);
}

TEST(CMap, StringKeysAndRehash) {
    CMap<CString, LPCTSTR, int, int> m;
    for (int i = 0; i < 50; ++i) {
        CString key;
        key.Format("key%d", i);
        m[key] = i;
    }
    m.InitHashTable(101); // keeps the entries
    int v = -1;
    EXPECT_TRUE(m.Lookup("key42", v));
    EXPECT_EQ(v, 42);
    EXPECT_FALSE(m.Lookup("KEY42", v));
    EXPECT_EQ(m.GetCount(), 50);
}

TEST(CMap, IterationVisitsEveryEntryOnce) {
    HandleMap m;
    int values[40];
    for (std::uintptr_t i = 0; i < 40; ++i) {
        m[Handle(i + 1)] = &values[i];
    }
    m.RemoveKey(Handle(5));
    std::map<HWND, int*> seen;
    POSITION pos = m.GetStartPosition();
    while (pos != nullptr) {
        HWND key;
        int* value;
        m.GetNextAssoc(pos, key, value);
        EXPECT_TRUE(seen.emplace(key, value).second);
    }
    EXPECT_EQ(seen.size(), 39u);
    EXPECT_EQ(seen.count(Handle(5)), 0u);
    EXPECT_EQ(seen[Handle(40)], &values[39]);
}

TEST(CMap, RemovingDuringIterationIsSafe) {
    // A message sent for one entry may detach others, the next one included.
    HandleMap m;
    int values[6];
    for (std::uintptr_t i = 0; i < 6; ++i) {
        m[Handle(i + 1)] = &values[i];
    }
    std::map<HWND, int*> seen;
    POSITION pos = m.GetStartPosition();
    while (pos != nullptr) {
        HWND key;
        int* value;
        m.GetNextAssoc(pos, key, value);
        if (value == nullptr) {
            break; // every later entry went away
        }
        seen.emplace(key, value);
        if (key == Handle(2)) {
            m.RemoveKey(Handle(3)); // the entry pos points at now
            m.RemoveKey(Handle(6));
        }
    }
    const HWND expected[] = {Handle(1), Handle(2), Handle(4), Handle(5)};
    ASSERT_EQ(seen.size(), std::size(expected));
    for (HWND h : expected) {
        EXPECT_EQ(seen.count(h), 1u);
    }
}

TEST(CMap, ReferencesSurviveGrowth) {
    CMap<int, int, CString, LPCTSTR> m;
    CString& first = m[0];
    for (int i = 1; i < 1000; ++i) {
        m[i] = "x";
    }
    first = "still here";
    CString v;
    ASSERT_TRUE(m.Lookup(0, v));
    EXPECT_EQ(v, "still here");
}

TEST(CMap, RemovedValueIsReleasedAtOnce) {
    CMap<int, int, std::shared_ptr<int>, const std::shared_ptr<int>&> m;
    auto p = std::make_shared<int>(1);
    m[1] = p;
    m.RemoveKey(1);
    EXPECT_EQ(p.use_count(), 1);
}

} // namespace
