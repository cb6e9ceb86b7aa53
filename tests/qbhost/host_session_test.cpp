// Sessions: each host state refuses BeginSession with QuickBooks's HRESULT, tickets are
// checked, and the version list carries a non-US edition's country.
#include "company_builder.h"
#include "qbfc/transport.h"
#include "qbhost/host.h"

#include <fstream>
#include <gtest/gtest.h>

namespace qbhost::testing {
namespace {

std::uint32_t HresultOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const qbfc::TransportError& error) {
        EXPECT_FALSE(std::string(error.what()).empty());
        return static_cast<std::uint32_t>(error.hresult());
    }
    return 0;
}

void SetState(const std::filesystem::path& file, const std::string& state) {
    CompanyFile company = CompanyFile::Open(file);
    sql::Transaction transaction(company.db(), sql::Transaction::Kind::Write);
    ApplySetting(company, "state", state);
    transaction.Commit();
}

struct StateCase {
    const char* state;
    int openMode;
    std::uint32_t hresult; // 0: the session begins
};

TEST(HostSession, EachStateRefusesBeginSessionWithItsHresult) {
    const StateCase cases[] = {
        {"none", 2, 0},
        {"no_file_open", 2, 0x80040417},
        {"other_file_open", 2, 0x8004040A},
        {"other_mode", 1, 0x80040410},
        {"modal_dialog", 2, 0x80040414},
        {"file_locked", 2, 0x8004041B},
        {"single_user_other", 0, 0x80040422},
        // Another user holds the file: only a single-user request conflicts with that.
        {"single_user_other", 1, 0},
        {"single_user_other", 2, 0},
    };
    CompanyBuilder builder;
    auto file = builder.Build();
    Host host(file);
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.state) + " mode " + std::to_string(c.openMode));
        // The host is running while the state changes, as when the tool sets it.
        SetState(file, c.state);
        EXPECT_EQ(HresultOf([&] { host.EndSession(host.BeginSession("", c.openMode)); }),
                  c.hresult);
    }
}

TEST(HostSession, HostWithoutFileReportsNoFileOpen) {
    Host host("");
    EXPECT_EQ(HresultOf([&] { host.BeginSession("", 2); }), 0x80040417u);
    EXPECT_EQ(HresultOf([&] { host.BeginSession("/tmp/any.qbw", 2); }), 0x80040417u);
}

TEST(HostSession, NamedFileMustBeTheOpenOne) {
    CompanyBuilder builder;
    auto file = builder.Build();
    auto other = builder.Build();
    Host host(file);
    EXPECT_EQ(HresultOf([&] { host.BeginSession(other.string(), 2); }), 0x8004040Au);
    // The same file by another spelling of its path is the open one.
    auto spelled = file.parent_path() / "." / file.filename();
    EXPECT_EQ(HresultOf([&] { host.EndSession(host.BeginSession(spelled.string(), 2)); }), 0u);
    EXPECT_EQ(HresultOf([&] { host.BeginSession("", 7); }), 0x80070057u);
}

TEST(HostSession, TicketsAreUniqueAndEndedTicketsAreRefused) {
    CompanyBuilder builder;
    Host host(builder.Build());
    std::string first = host.BeginSession("", 2);
    std::string second = host.BeginSession("", 2);
    EXPECT_NE(first, second);
    host.EndSession(first);
    const std::function<void()> calls[] = {
        [&] { host.ProcessRequest(first, "<QBXML/>"); },
        [&] { host.QBXMLVersionsForSession(first); },
        [&] { host.EndSession(first); },
        [&] { host.ProcessRequest("", "<QBXML/>"); },
    };
    for (const auto& call : calls)
        EXPECT_EQ(HresultOf(call), 0x80040402u);
    EXPECT_EQ(HresultOf([&] { host.QBXMLVersionsForSession(second); }), 0u);
}

TEST(HostSession, VersionListNamesNonUsCountryInFirstEntryOnly) {
    struct {
        const char* country;
        std::vector<std::string> expected;
    } cases[] = {
        {"US", {"3.0", "8.0"}},
        {"CA", {"CA3.0", "8.0"}},
        {"UK", {"UK3.0", "8.0"}},
    };
    for (const auto& c : cases) {
        CompanyBuilder builder;
        builder.Host("country", c.country).Host("versions", "3.0 8.0");
        Host host(builder.Build());
        EXPECT_EQ(host.QBXMLVersionsForSession(host.BeginSession("", 2)), c.expected) << c.country;
    }
}

TEST(HostSession, RefusesFilesThatAreNotCompanyFiles) {
    TempDir dir;
    auto text = dir.path() / "notes.qbw";
    std::ofstream(text) << "this is not a database, just some text long enough\n";
    auto empty = dir.path() / "empty.qbw";
    {
        sql::Database db(empty, sql::Database::Open::Create);
        db.Exec("CREATE TABLE t (x)");
    }
    for (const auto& path : {text, empty}) {
        try {
            Host host(path);
            ADD_FAILURE() << path << " opened";
        } catch (const std::runtime_error& error) {
            EXPECT_NE(std::string(error.what()).find("not a company file"), std::string::npos)
                << error.what();
        }
    }
    EXPECT_THROW(Host(dir.path() / "missing.qbw"), std::runtime_error);
}

TEST(HostSession, InProcessTransportNeedsAnOpenConnection) {
    CompanyBuilder builder;
    Host host(builder.Build());
    auto transport = MakeInProcessTransport(host);
    EXPECT_NE(HresultOf([&] { transport->BeginSession("", 2); }), 0u);
    transport->OpenConnection("id", "Marrowick", 1);
    std::string ticket = transport->BeginSession("", 2);
    EXPECT_FALSE(transport->QBXMLVersionsForSession(ticket).empty());
    // Closing the connection ends the sessions it began.
    transport->CloseConnection();
    EXPECT_EQ(HresultOf([&] { host.EndSession(ticket); }), 0x80040402u);
}

} // namespace
} // namespace qbhost::testing
