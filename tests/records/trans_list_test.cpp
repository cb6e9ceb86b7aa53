#include "record_fields.h"
#include "records/trans_list.h"

#include <gtest/gtest.h>

namespace records_test {
namespace {

TEST(TransList, NewRowHasNullTextsZeroNumbersAndValidDayZeroDates) {
    const TransList row;
    for (const _bstr_t* s : {&row.VendorName, &row.ColType95Text, &row.Reserved1, &row.Reserved2,
                             &row.Reserved3, &row.RefNumber, &row.ColType97Text, &row.Reserved4}) {
        EXPECT_TRUE(IsNull(*s));
    }
    EXPECT_EQ(row.OpenBalance, 0.0);
    EXPECT_EQ(row.Amount, 0.0);
    EXPECT_EQ(row.TxnNumber, 0);
    // A date the report never fills stays 30 December 1899, valid, and is shown as such.
    for (const COleDateTime* d : {&row.ReportToDate, &row.TxnDate, &row.DeliveryDate}) {
        EXPECT_EQ(d->GetStatus(), COleDateTime::valid);
        EXPECT_EQ(d->m_dt, 0.0);
        EXPECT_EQ(d->GetYear(), 1899);
        EXPECT_EQ(d->GetMonth(), 12);
        EXPECT_EQ(d->GetDay(), 30);
    }
}

TEST(TransList, CopyCarriesAllFields) {
    TransList source;
    source.ReportToDate = COleDateTime(2011, 3, 31, 0, 0, 0);
    source.VendorName = L"Acme Supply";
    source.ColType95Text = L"95";
    source.Reserved1 = L"r1";
    source.Reserved2 = L"r2";
    source.Reserved3 = L"r3";
    source.RefNumber = L"PO-7";
    source.OpenBalance = 120.25;
    source.Amount = 300.5;
    source.ColType97Text = L"97";
    source.TxnDate = COleDateTime(2011, 3, 14, 0, 0, 0);
    source.DeliveryDate.SetStatus(COleDateTime::null);
    source.Reserved4 = L"r4";
    source.TxnNumber = 42;

    const TransList constructed(source);
    TransList assigned;
    assigned.VendorName = L"other";
    assigned.TxnNumber = 7;
    assigned = source;

    for (const TransList* c : {&constructed, static_cast<const TransList*>(&assigned)}) {
        EXPECT_TRUE(SameText(c->VendorName, source.VendorName));
        EXPECT_TRUE(SameText(c->ColType95Text, source.ColType95Text));
        EXPECT_TRUE(SameText(c->Reserved1, source.Reserved1));
        EXPECT_TRUE(SameText(c->Reserved2, source.Reserved2));
        EXPECT_TRUE(SameText(c->Reserved3, source.Reserved3));
        EXPECT_TRUE(SameText(c->RefNumber, source.RefNumber));
        EXPECT_TRUE(SameText(c->ColType97Text, source.ColType97Text));
        EXPECT_TRUE(SameText(c->Reserved4, source.Reserved4));
        EXPECT_EQ(c->OpenBalance, 120.25);
        EXPECT_EQ(c->Amount, 300.5);
        EXPECT_EQ(c->TxnNumber, 42);
        EXPECT_EQ(c->ReportToDate.m_dt, source.ReportToDate.m_dt);
        EXPECT_EQ(c->TxnDate.m_dt, source.TxnDate.m_dt);
        EXPECT_EQ(c->DeliveryDate.GetStatus(), COleDateTime::null);
    }
}

} // namespace
} // namespace records_test
