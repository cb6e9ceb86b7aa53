// The server in front of the real host: requests change a company file through the socket.
#include "qbfc/socket_transport.h"
#include "qbhost/host.h"
#include "qbhost/server.h"
#include "server_company.h"
#include "server_fixture.h"

#include <csignal>
#include <gtest/gtest.h>
#include <iterator>
#include <set>
#include <sstream>
#include <sys/wait.h>

using namespace qbnet_test;
using qbfc::SocketTransport;
using qbfc::TransportError;

namespace {

qbhost::Server::BackendFactory HostBackend(qbhost::Host& host) {
    return [&host] { return qbhost::MakeInProcessTransport(host); };
}

// Appends a token to the memo the optimistic way a client must: read the edit sequence,
// modify with it, and start again when another client changed the order in between.
void AppendToMemo(qbfc::Transport& client, const std::string& ticket, const std::string& txnId,
                  const std::string& token) {
    for (;;) {
        const PoAnswer now = ParsePoAnswer(client.ProcessRequest(ticket, QueryPo(txnId)));
        ASSERT_EQ(now.statusCode, 0);
        const PoAnswer mod = ParsePoAnswer(client.ProcessRequest(
            ticket, ModPoMemo(txnId, now.editSequence, now.memo + " " + token)));
        if (mod.statusCode == 0)
            return;
        ASSERT_EQ(mod.statusCode, 3200) << "only a stale edit sequence may refuse the change";
    }
}

} // namespace

TEST(ServerWithHost, EachRefusalToBeginASessionReachesTheClientWithItsCode) {
    const struct {
        const char* hostState;
        const char* companyFile;
        int openMode;
        std::uint32_t hresult;
    } cases[] = {
        {"modal_dialog", "", 2, 0x80040414}, {"other_mode", "", 2, 0x80040410},
        {"file_locked", "", 2, 0x8004041B},  {"single_user_other", "", 0, 0x80040422},
        {"no_file_open", "", 2, 0x80040417}, {"", "/elsewhere/other.qbw", 2, 0x8004040A},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.hostState) + " " + c.companyFile);
        TempFolder tmp;
        SmallCompany company(c.hostState);
        qbhost::Host host(company.file);
        RunningServer server(HostBackend(host), tmp.path / "qbhost.sock");
        SocketTransport client(tmp.path / "qbhost.sock");
        client.OpenConnection("Marrowick", "Marrowick", 1);
        try {
            client.BeginSession(c.companyFile, c.openMode);
            ADD_FAILURE() << "the session began";
        } catch (const TransportError& e) {
            EXPECT_EQ(static_cast<std::uint32_t>(e.hresult()), c.hresult);
            EXPECT_STRNE(e.what(), "");
        }
        // The refusal leaves the connection usable and the file as it was.
        EXPECT_NO_THROW(client.CloseConnection());
        EXPECT_EQ(company.IntegrityCheck(), "ok");
        EXPECT_EQ(company.Memo(), "start");
    }
}

TEST(ServerWithHost, ClientsModifyingOneOrderAtOnceLoseNoChange) {
    TempFolder tmp;
    SmallCompany company;
    {
        qbhost::Host host(company.file);
        RunningServer server(HostBackend(host), tmp.path / "qbhost.sock");
        const char* names[] = {"a", "b", "c"};
        constexpr int kEach = 12;
        std::vector<std::thread> clients;
        for (const char* name : names) {
            clients.emplace_back([&, name] {
                SocketTransport client(tmp.path / "qbhost.sock");
                client.OpenConnection("Marrowick", "Marrowick", 1);
                const auto ticket = client.BeginSession("", 2);
                for (int i = 0; i < kEach; ++i)
                    AppendToMemo(client, ticket, company.poTxnId, name + std::to_string(i));
                client.EndSession(ticket);
                client.CloseConnection();
            });
        }
        for (auto& t : clients)
            t.join();
    }

    std::istringstream memo(company.Memo());
    std::multiset<std::string> tokens{std::istream_iterator<std::string>(memo), {}};
    std::multiset<std::string> expected{"start"};
    for (const char* name : {"a", "b", "c"})
        for (int i = 0; i < 12; ++i)
            expected.insert(name + std::to_string(i));
    EXPECT_EQ(tokens, expected);
    EXPECT_EQ(company.IntegrityCheck(), "ok");
}

TEST(ServerWithHost, AHostKilledInsideAModificationLeavesTheFileWhole) {
    TempFolder tmp;
    SmallCompany company;
    const fs::path sock = tmp.path / "qbhost.sock";
    int ready[2], entered[2];
    ASSERT_EQ(::pipe(ready), 0);
    ASSERT_EQ(::pipe(entered), 0);

    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // Tells the parent when the modification reaches the host, then lets it run: the
        // kill lands somewhere inside or just after the host's transaction.
        struct Announcing : qbfc::Transport {
            std::unique_ptr<qbfc::Transport> inner;
            int fd;
            void OpenConnection(std::string_view a, std::string_view b, int c) override {
                inner->OpenConnection(a, b, c);
            }
            std::string BeginSession(std::string_view f, int m) override {
                return inner->BeginSession(f, m);
            }
            std::vector<std::string> QBXMLVersionsForSession(std::string_view t) override {
                return inner->QBXMLVersionsForSession(t);
            }
            std::string ProcessRequest(std::string_view t, std::string_view xml) override {
                [[maybe_unused]] auto n = ::write(fd, "x", 1);
                return inner->ProcessRequest(t, xml);
            }
            void EndSession(std::string_view t) override { inner->EndSession(t); }
            void CloseConnection() override { inner->CloseConnection(); }
        };
        try {
            qbhost::Host host(company.file);
            qbhost::Server server(
                [&] {
                    auto t = std::make_unique<Announcing>();
                    t->inner = qbhost::MakeInProcessTransport(host);
                    t->fd = entered[1];
                    return t;
                },
                sock);
            [[maybe_unused]] auto n = ::write(ready[1], "x", 1);
            server.Run();
        } catch (...) {
        }
        ::_exit(1);
    }
    ChildReaper reaper{child};
    ::close(ready[1]);
    ::close(entered[1]);
    char byte;
    ASSERT_EQ(::read(ready[0], &byte, 1), 1) << "the child host did not start";

    SocketTransport client(sock);
    client.OpenConnection("Marrowick", "Marrowick", 1);
    const auto ticket = client.BeginSession("", 2);
    const PoAnswer before = ParsePoAnswer(client.ProcessRequest(ticket, QueryPo(company.poTxnId)));
    ASSERT_EQ(::read(entered[0], &byte, 1), 1);

    std::int32_t code = 0;
    std::thread waiting([&] {
        try {
            client.ProcessRequest(ticket, ModPoMemo(company.poTxnId, before.editSequence, "new"));
        } catch (const TransportError& e) {
            code = e.hresult();
        }
    });
    const bool arrived = ::read(entered[0], &byte, 1) == 1;
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    reaper.pid = -1;
    waiting.join();
    ::close(ready[0]);
    ::close(entered[0]);
    ASSERT_TRUE(arrived);

    // The answer may have gone out just before the kill; if not, the client must be told.
    if (code != 0) {
        EXPECT_EQ(code, qbfc::kHrConnectionLost);
    }
    EXPECT_EQ(company.IntegrityCheck(), "ok");
    const std::string memo = company.Memo();
    EXPECT_TRUE(memo == "start" || memo == "new") << memo;

    // A new host opens the same file and serves it.
    qbhost::Host host(company.file);
    RunningServer next(HostBackend(host), sock);
    SocketTransport again(sock);
    again.OpenConnection("Marrowick", "Marrowick", 1);
    const auto second = again.BeginSession("", 2);
    EXPECT_EQ(ParsePoAnswer(again.ProcessRequest(second, QueryPo(company.poTxnId))).memo, memo);
}
