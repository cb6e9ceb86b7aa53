// The gateway against the host on small company files, through the real SDK stand-in.
#include "platform/win32/desktop.h"
#include "qb/qbio.h"
#include "qbhost/company_builder.h"
#include "qbhost/company_description.h"
#include "qbhost/host.h"
#include "qbhost/sqlite.h"
#include "support/conversions.h"
#include "support/tools.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace {

class HostGateway : public ::testing::Test {
protected:
    void Open(const std::filesystem::path& file) {
        m_file = file;
        // The log goes below the test's own folder, and each test is a run of its own.
        setenv("PROGRAMDATA", file.parent_path().c_str(), 1);
        if (CTools::m_pLogFile != nullptr)
            fclose(CTools::m_pLogFile);
        CTools::m_pLogFile = nullptr;
        m_host = std::make_unique<qbhost::Host>(file);
        m_previous = qbfc::SetTransportFactory(
            [host = m_host.get()] { return qbhost::MakeInProcessTransport(*host); });
        win32::GetRecordingDesktopService()->Clear();
        ASSERT_TRUE(m_io.OpenSession("Marrowick", "Marrowick", "", omDontCare)) << Boxes();
    }
    void TearDown() override {
        m_io.CloseSession();
        qbfc::SetTransportFactory(std::move(m_previous));
    }
    std::string Boxes() {
        std::string all;
        for (const auto& box : win32::GetRecordingDesktopService()->Boxes())
            all += box.text + "\n";
        return all;
    }
    std::string LogText() {
        if (CTools::m_pLogFile != nullptr)
            fflush(CTools::m_pLogFile);
        std::string all;
        for (const auto& entry :
             std::filesystem::recursive_directory_iterator(m_file.parent_path()))
            if (entry.path().filename().string().rfind("logfile ", 0) == 0) {
                std::ifstream in(entry.path(), std::ios::binary);
                all.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
            }
        return all;
    }
    void Set(const char* key, const char* value) {
        auto company = qbhost::CompanyFile::Open(m_file);
        qbhost::sql::Transaction t(company.db(), qbhost::sql::Transaction::Kind::Write);
        qbhost::ApplySetting(company, key, value);
        t.Commit();
    }

    mw::com::ClassRegistration m_registration = qbfc::RegisterSessionManager();
    std::filesystem::path m_file;
    std::unique_ptr<qbhost::Host> m_host;
    qbfc::TransportFactory m_previous;
    QBIO m_io;
};

TEST_F(HostGateway, ListsReadsAndClosesAnOrderOnceTheClosingDateExemptsIt) {
    qbhost::testing::CompanyBuilder company;
    company.ClosingDate("2011-03-31")
        .Po("1001", "2011-03-15", "Acme", {"Widget | 10 | 2.50"})
        .Po("1002", "2011-04-02", "Bolt", {"Nut | 4 | 1.25"});
    Open(company.Build());
    EXPECT_GE(m_io.m_dQBXMLVersion, 8.0);

    QB_CompanyPreferences prefs;
    ASSERT_TRUE(m_io.GetPreferences(prefs));
    EXPECT_TRUE(LogText().empty()) << "an accepted response logs nothing";
    EXPECT_EQ(prefs.ClosingDate.GetStatus(), COleDateTime::valid);
    EXPECT_EQ(std::string(DateToString(prefs.ClosingDate)), "03-31-2011");

    std::vector<TransList> rows;
    ASSERT_TRUE(m_io.GetOpenPurchaseOrders(&rows, COleDateTime(2011, 3, 1, 0, 0, 0),
                                           COleDateTime(2011, 4, 30, 0, 0, 0)));
    ASSERT_EQ(rows.size(), 2u);
    const TransList& march =
        std::string(GetString(rows[0].RefNumber)) == "1001" ? rows[0] : rows[1];
    EXPECT_DOUBLE_EQ(march.Amount, 25.0);
    EXPECT_EQ(march.TxnDate, COleDateTime(2011, 3, 15, 0, 0, 0));

    QB_PurchaseOrder po;
    ASSERT_TRUE(m_io.GetRecord(po, march.TxnNumber, march.TxnDate));
    EXPECT_EQ(std::string(GetString(po.RefNumber)), "1001");
    ASSERT_EQ(po.Lines.size(), 1u);

    po.IsManuallyClosed = VARIANT_TRUE;
    QB_PurchaseOrder before = po;
    EXPECT_FALSE(m_io.ModPurchaseOrder(po));
    EXPECT_EQ(m_io.GetLastError().StatusCode, 3171);
    EXPECT_EQ(po.EditSequence, before.EditSequence);

    Set("exempt-po", "true");
    ASSERT_TRUE(m_io.ModPurchaseOrder(po))
        << static_cast<LPCTSTR>(m_io.GetLastError().GetErrorMessage());
    EXPECT_EQ(po.IsManuallyClosed, VARIANT_TRUE);
    EXPECT_NE(po.EditSequence, before.EditSequence);
    EXPECT_TRUE(Boxes().empty()) << Boxes();
}

} // namespace
