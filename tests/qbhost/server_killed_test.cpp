#include "qbfc/socket_transport.h"
#include "qbhost/server.h"
#include "server_fixture.h"

#include <csignal>
#include <gtest/gtest.h>
#include <sys/wait.h>

using namespace qbnet_test;
using qbfc::SocketTransport;
using qbfc::TransportError;

namespace {

bool ReadByte(int fd) {
    char byte;
    return ::read(fd, &byte, 1) == 1;
}

void WriteByte(int fd) {
    [[maybe_unused]] auto n = ::write(fd, "x", 1);
}

} // namespace

// The host runs in a child process so that it can be killed outright, as a user or a crash
// would, while the client waits for an answer.
TEST(ServerKilled, ARequestPendingWhenTheHostDiesIsALostConnection) {
    TempFolder tmp;
    const fs::path sock = tmp.path / "qbhost.sock";
    int ready[2], entered[2];
    ASSERT_EQ(::pipe(ready), 0);
    ASSERT_EQ(::pipe(entered), 0);

    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::close(ready[0]);
        ::close(entered[0]);
        FakeQuickBooks qb;
        qb.onRequest = [&] {
            WriteByte(entered[1]);
            for (;;)
                ::pause(); // never answers: the parent kills us here
        };
        try {
            qbhost::Server server(FakeBackend(qb), sock);
            WriteByte(ready[1]);
            server.Run();
        } catch (...) {
        }
        ::_exit(1);
    }
    ChildReaper reaper{child};
    ::close(ready[1]);
    ::close(entered[1]);
    ASSERT_TRUE(ReadByte(ready[0])) << "the child host did not start";

    SocketTransport client(sock);
    client.OpenConnection("Marrowick", "Marrowick", 1);
    const auto ticket = client.BeginSession("", 2);

    std::int32_t code = 0;
    std::string message;
    std::thread waiting([&] {
        try {
            client.ProcessRequest(ticket, "<QBXML/>");
        } catch (const TransportError& e) {
            code = e.hresult();
            message = e.what();
        }
    });
    const bool requestArrived = ReadByte(entered[0]);
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    reaper.pid = -1;
    waiting.join();
    ::close(ready[0]);
    ::close(entered[0]);
    ASSERT_TRUE(requestArrived);

    EXPECT_EQ(code, qbfc::kHrConnectionLost);
    EXPECT_EQ(message, "The connection to QuickBooks was lost.");
    EXPECT_NO_THROW(client.CloseConnection());

    // The dead host left its socket file behind; the next host replaces it, and the same
    // client, opened again, reaches it.
    FakeQuickBooks qb;
    RunningServer next(FakeBackend(qb), sock);
    client.OpenConnection("Marrowick", "Marrowick", 1);
    EXPECT_EQ(client.BeginSession("", 2), "T1");
}
