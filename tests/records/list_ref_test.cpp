#include "record_fields.h"
#include "records/list_ref.h"

#include <gtest/gtest.h>

namespace records_test {
namespace {

QB_ListRef MakeRef(const wchar_t* reserved, const wchar_t* id, const wchar_t* name) {
    QB_ListRef r;
    r.Reserved = reserved;
    r.ListID = id;
    r.FullName = name;
    return r;
}

TEST(QB_ListRef, NewReferenceHoldsEmptyTexts) {
    const QB_ListRef r;
    EXPECT_TRUE(IsEmptyText(r.Reserved));
    EXPECT_TRUE(IsEmptyText(r.ListID));
    EXPECT_TRUE(IsEmptyText(r.FullName));
}

TEST(QB_ListRef, CopyStartsReservedNullAndSharesTheRest) {
    const QB_ListRef source = MakeRef(L"res", L"80000001-1", L"Acme Supply");
    const QB_ListRef copy(source);
    EXPECT_TRUE(IsNull(copy.Reserved));
    EXPECT_TRUE(SameText(copy.ListID, source.ListID));
    EXPECT_TRUE(SameText(copy.FullName, source.FullName));
}

TEST(QB_ListRef, AssignmentChangesListIDAndFullNameOnly) {
    const QB_ListRef source = MakeRef(L"src", L"80000002-2", L"Beta Parts");
    QB_ListRef target = MakeRef(L"mine", L"old id", L"old name");
    target = source;
    EXPECT_EQ(Text(target.Reserved), L"mine");
    EXPECT_EQ(Text(target.ListID), L"80000002-2");
    EXPECT_EQ(Text(target.FullName), L"Beta Parts");
}

TEST(QB_ListRef, ClearEmptiesAllThree) {
    QB_ListRef r = MakeRef(L"r", L"id", L"name");
    r.clear();
    EXPECT_TRUE(IsEmptyText(r.Reserved));
    EXPECT_TRUE(IsEmptyText(r.ListID));
    EXPECT_TRUE(IsEmptyText(r.FullName));
}

} // namespace
} // namespace records_test
