#include "qbfc/socket_transport.h"
#include "qbfc/wire.h"
#include "qbhost/server.h"
#include "server_fixture.h"

#include <atomic>
#include <cstring>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>

using namespace qbnet_test;
using qbfc::SocketTransport;
using qbfc::TransportError;
using qbhost::Server;

namespace {

std::uint32_t CodeOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const TransportError& e) {
        return static_cast<std::uint32_t>(e.hresult());
    }
    return 0;
}

std::string MessageOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const std::exception& e) {
        return e.what();
    }
    return "(no error)";
}

int RawConnect(const fs::path& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    EXPECT_EQ(::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    return fd;
}

mode_t ModeOf(const fs::path& path) {
    struct stat st {};
    EXPECT_EQ(::lstat(path.c_str(), &st), 0) << path;
    return st.st_mode;
}

} // namespace

TEST(Server, AnswersEveryCallOverTheSocket) {
    TempFolder tmp;
    FakeQuickBooks qb;
    RunningServer host(FakeBackend(qb), tmp.path / "qbhost.sock");

    SocketTransport client(tmp.path / "qbhost.sock");
    client.OpenConnection("Marrowick", "Marrowick", 1);
    const auto ticket = client.BeginSession("", 2);
    EXPECT_EQ(ticket, "T1");
    EXPECT_EQ(client.QBXMLVersionsForSession(ticket), (std::vector<std::string>{"8.0", "7.0"}));
    const std::string big(3 << 20, 'q'); // a large report crosses many socket buffers
    EXPECT_EQ(client.ProcessRequest(ticket, big), "<Rs>" + big + "</Rs>");
    client.EndSession(ticket);
    client.CloseConnection();

    ASSERT_TRUE(
        qb.WaitUntil([](auto& log, auto) { return !log.empty() && log.back() == "close"; }));
    EXPECT_EQ(qb.LogCopy(),
              (std::vector<std::string>{"open Marrowick 1", "begin T1", "end T1", "close"}));
}

TEST(Server, PassesHostErrorsThroughWithTheirCodeAndText) {
    TempFolder tmp;
    FakeQuickBooks qb;
    RunningServer host(FakeBackend(qb), tmp.path / "qbhost.sock");
    SocketTransport client(tmp.path / "qbhost.sock");
    client.OpenConnection("Marrowick", "Marrowick", 1);

    try {
        client.BeginSession("busy.qbw", 2);
        FAIL() << "no error";
    } catch (const TransportError& e) {
        EXPECT_EQ(e.hresult(), kHrModalDialog);
        EXPECT_STREQ(e.what(), "A modal dialog is showing.");
    }
    // Any other failure of the host still reaches the client as an error, not a hang-up.
    const auto ticket = client.BeginSession("", 2);
    EXPECT_EQ(CodeOf([&] { client.ProcessRequest(ticket, "throw"); }), 0x80004005u);
    EXPECT_EQ(client.ProcessRequest(ticket, "x"), "<Rs>x</Rs>");
}

TEST(Server, EndsTheSessionsOfAClientThatGoesAway) {
    const struct {
        const char* what;
        std::function<void(int fd)> leave;
    } cases[] = {
        {"hangs up", [](int) {}},
        {"sends an unknown op",
         [](int fd) {
             qbfc::wire::WriteFrame(fd, qbfc::wire::EncodeFields({"format", "c:"}));
         }},
        {"sends a truncated frame", [](int fd) { ::send(fd, "\0\0\0\x09", 4, MSG_NOSIGNAL); }},
        {"announces an oversized frame",
         [](int fd) { ::send(fd, "\x7F\xFF\xFF\xFF", 4, MSG_NOSIGNAL); }},
        {"sends a bad open mode",
         [](int fd) {
             qbfc::wire::WriteFrame(
                 fd, qbfc::wire::EncodeRequest({qbfc::wire::Op::Begin, {"", "two"}}));
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder tmp;
        FakeQuickBooks qb;
        RunningServer host(FakeBackend(qb), tmp.path / "qbhost.sock");

        const int fd = RawConnect(tmp.path / "qbhost.sock");
        using qbfc::wire::Op;
        for (const qbfc::wire::Request& r : {qbfc::wire::Request{Op::Open, {"a", "b", "1"}},
                                             qbfc::wire::Request{Op::Begin, {"", "2"}},
                                             qbfc::wire::Request{Op::Begin, {"", "2"}}}) {
            qbfc::wire::WriteFrame(fd, qbfc::wire::EncodeRequest(r));
            ASSERT_TRUE(qbfc::wire::ReadFrame(fd));
        }
        ASSERT_EQ(qb.LiveSessions(), 2u);
        c.leave(fd);
        ::shutdown(fd, SHUT_WR);
        // The server drops a client that broke the format instead of answering it.
        EXPECT_EQ(qbfc::wire::ReadFrame(fd), std::nullopt);
        ::close(fd);

        EXPECT_TRUE(qb.WaitUntil([](auto& log, std::size_t live) {
            return live == 0 && !log.empty() && log.back() == "close";
        }));

        // Others are still served.
        SocketTransport next(tmp.path / "qbhost.sock");
        next.OpenConnection("Marrowick", "Marrowick", 1);
        EXPECT_EQ(next.BeginSession("", 2), "T3");
    }
}

TEST(Server, ClientsWorkingAtOnceGetTheirOwnReplies) {
    TempFolder tmp;
    FakeQuickBooks qb;
    RunningServer host(FakeBackend(qb), tmp.path / "qbhost.sock");
    std::atomic<int> mismatches{0};
    std::vector<std::thread> clients;
    for (int c = 0; c < 6; ++c) {
        clients.emplace_back([&, c] {
            SocketTransport client(tmp.path / "qbhost.sock");
            client.OpenConnection("Marrowick", "Marrowick", 1);
            const auto ticket = client.BeginSession("", 2);
            for (int i = 0; i < 40; ++i) {
                const auto xml = "c" + std::to_string(c) + "-" + std::to_string(i);
                if (client.ProcessRequest(ticket, xml) != "<Rs>" + xml + "</Rs>")
                    ++mismatches;
            }
            client.EndSession(ticket);
            client.CloseConnection();
        });
    }
    for (auto& t : clients)
        t.join();
    EXPECT_EQ(mismatches, 0);
    EXPECT_TRUE(qb.WaitUntil([](auto&, std::size_t live) { return live == 0; }));
}

TEST(Server, ClientsBeyondTheBoundWaitForARunningOneToLeave) {
    TempFolder tmp;
    FakeQuickBooks qb;
    RunningServer host(FakeBackend(qb), tmp.path / "qbhost.sock", 1);
    auto first = std::make_unique<SocketTransport>(tmp.path / "qbhost.sock");
    first->OpenConnection("first", "x", 1);
    first->BeginSession("", 2);

    std::thread second([&] {
        SocketTransport client(tmp.path / "qbhost.sock");
        client.OpenConnection("second", "x", 1);
        client.BeginSession("", 2);
    });
    first->CloseConnection();
    second.join();
    ASSERT_TRUE(qb.WaitUntil([](auto& log, auto) { return log.size() == 8; }));
    // The second client's connection was not served until the first had closed.
    EXPECT_EQ(qb.LogCopy(),
              (std::vector<std::string>{"open first 1", "begin T1", "end T1", "close",
                                        "open second 1", "begin T2", "end T2", "close"}));
}

TEST(ServerSocket, IsPrivateAndRemovedOnShutdown) {
    TempFolder tmp;
    FakeQuickBooks qb;
    const fs::path folder = tmp.path / "marrowick";
    const fs::path sock = folder / "qbhost.sock";
    {
        Server server(FakeBackend(qb), sock);
        EXPECT_EQ(ModeOf(folder) & 0777, 0700u);
        EXPECT_TRUE(S_ISSOCK(ModeOf(sock)));
        EXPECT_EQ(ModeOf(sock) & 0777, 0600u);
    }
    EXPECT_FALSE(fs::exists(fs::symlink_status(sock)));
}

TEST(ServerSocket, ASecondServerOnTheSamePathIsRefused) {
    TempFolder tmp;
    FakeQuickBooks qb;
    const fs::path sock = tmp.path / "qbhost.sock";
    RunningServer first(FakeBackend(qb), sock);
    EXPECT_EQ(MessageOf([&] { Server second(FakeBackend(qb), sock); }),
              "a QuickBooks stand-in is already running on " + sock.string());
    // The refused server must not have taken the first one's socket away.
    SocketTransport client(sock);
    client.OpenConnection("Marrowick", "Marrowick", 1);
    EXPECT_EQ(client.BeginSession("", 2), "T1");
}

TEST(ServerSocket, RefusesUnsafeOrForeignPaths) {
    const struct {
        const char* what;
        std::function<fs::path(const fs::path& tmp)> prepare;
    } cases[] = {
        {"folder open to others",
         [](const fs::path& tmp) {
             fs::create_directory(tmp / "open");
             fs::permissions(tmp / "open", fs::perms::all);
             return tmp / "open" / "qbhost.sock";
         }},
        {"folder is a link",
         [](const fs::path& tmp) {
             fs::create_directory(tmp / "real");
             fs::permissions(tmp / "real", fs::perms::owner_all);
             fs::create_directory_symlink(tmp / "real", tmp / "link");
             return tmp / "link" / "qbhost.sock";
         }},
        {"a regular file at the path",
         [](const fs::path& tmp) {
             std::fclose(std::fopen((tmp / "qbhost.sock").c_str(), "w"));
             return tmp / "qbhost.sock";
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder tmp;
        FakeQuickBooks qb;
        const fs::path sock = c.prepare(tmp.path);
        EXPECT_THROW(Server(FakeBackend(qb), sock), std::runtime_error);
    }
    // The regular file is left as it was.
    TempFolder tmp;
    std::fclose(std::fopen((tmp.path / "keep").c_str(), "w"));
    FakeQuickBooks qb;
    EXPECT_THROW(Server(FakeBackend(qb), tmp.path / "keep"), std::runtime_error);
    EXPECT_TRUE(fs::is_regular_file(tmp.path / "keep"));
}
