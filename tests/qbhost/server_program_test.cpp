// The qbhost program as a user starts it: arguments, exit codes, its banner, SIGTERM, and
// a kill -9 while a request waits.
#include "qbfc/socket_transport.h"
#include "server_company.h"
#include "server_fixture.h"

#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>

using namespace qbnet_test;
using qbfc::SocketTransport;
using qbfc::TransportError;

extern char** environ;

namespace {

const fs::path kProgram = fs::path(MARROWICK_BINARY_DIR) / "src" / "qbhost" / "qbhost";

std::string ReadAll(int fd) {
    std::string out;
    char buffer[4096];
    ssize_t n;
    while ((n = ::read(fd, buffer, sizeof buffer)) > 0)
        out.append(buffer, static_cast<std::size_t>(n));
    return out;
}

// The program running in a child process, its output on pipes.
class Program {
public:
    Program(const std::vector<std::string>& args, const std::vector<std::string>& extraEnv = {}) {
        std::vector<std::string> env(extraEnv);
        for (char** e = environ; *e != nullptr; ++e)
            env.emplace_back(*e);
        std::vector<char*> argv{const_cast<char*>(kProgram.c_str())};
        for (const auto& a : args)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        std::vector<char*> envp;
        for (auto& e : env)
            envp.push_back(e.data());
        envp.push_back(nullptr);

        int out[2], err[2];
        EXPECT_EQ(::pipe2(out, O_CLOEXEC), 0);
        EXPECT_EQ(::pipe2(err, O_CLOEXEC), 0);
        m_pid = ::fork();
        if (m_pid == 0) {
            ::dup2(out[1], STDOUT_FILENO);
            ::dup2(err[1], STDERR_FILENO);
            ::execve(argv[0], argv.data(), envp.data());
            ::_exit(127);
        }
        ::close(out[1]);
        ::close(err[1]);
        m_out = out[0];
        m_err = err[0];
    }
    ~Program() {
        if (m_pid > 0) {
            ::kill(m_pid, SIGKILL);
            Wait();
        }
        ::close(m_out);
        ::close(m_err);
    }
    std::string Line() {
        std::string line;
        char c;
        while (::read(m_out, &c, 1) == 1 && c != '\n')
            line += c;
        return line;
    }
    std::string Out() { return ReadAll(m_out); }
    std::string Err() { return ReadAll(m_err); }
    void Signal(int signal) { ::kill(m_pid, signal); }
    // The exit code, or 128 + the signal that ended it.
    int Wait() {
        int status = 0;
        ::waitpid(m_pid, &status, 0);
        m_pid = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }

private:
    pid_t m_pid = -1;
    int m_out = -1;
    int m_err = -1;
};

#define REQUIRE_PROGRAM()                                                                          \
    if (!fs::exists(kProgram))                                                                     \
    GTEST_SKIP() << kProgram << " is not built (target qbhost-serve)"

} // namespace

TEST(QbhostProgram, ArgumentsAndCompanyFileProblems) {
    REQUIRE_PROGRAM();
    TempFolder tmp;
    std::fclose(std::fopen((tmp.path / "notes.txt").c_str(), "w"));
    const std::string sock = (tmp.path / "qbhost.sock").string();
    const struct {
        std::vector<std::string> args;
        int exitCode;
    } cases[] = {
        {{"--help"}, 0},
        {{}, 64},
        {{"serve"}, 64},
        {{"serve", "x.qbw", "--socket"}, 64},
        {{"run", "x.qbw"}, 64},
        {{"serve", (tmp.path / "missing.qbw").string(), "--socket", sock}, 2},
        {{"serve", (tmp.path / "notes.txt").string(), "--socket", sock}, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.empty() ? "(none)" : c.args.front() + " ...");
        Program program(c.args);
        const std::string out = program.Out();
        const std::string err = program.Err();
        EXPECT_EQ(program.Wait(), c.exitCode);
        if (c.exitCode == 0)
            EXPECT_NE(out.find("usage: qbhost serve COMPANY"), std::string::npos) << out;
        else
            EXPECT_NE(err, "");
        EXPECT_FALSE(fs::exists(fs::symlink_status(sock))) << "no socket for a failed start";
    }
}

TEST(QbhostProgram, ServesUntilTerminatedThenRemovesItsSocket) {
    REQUIRE_PROGRAM();
    TempFolder tmp;
    SmallCompany company;
    const fs::path sock = tmp.path / "run" / "qbhost.sock";
    Program program({"serve", company.file.string(), "--socket", sock.string()});
    ASSERT_EQ(program.Line(),
              "QuickBooks stand-in serving " + company.file.string() + " on " + sock.string());

    SocketTransport client(sock);
    client.OpenConnection("Marrowick", "Marrowick", 1);
    const auto ticket = client.BeginSession("", 2);
    EXPECT_EQ(ParsePoAnswer(client.ProcessRequest(ticket, QueryPo(company.poTxnId))).memo, "start");

    // A second program on the same socket refuses and leaves the first one serving.
    Program second({"serve", company.file.string(), "--socket", sock.string()});
    EXPECT_NE(second.Wait(), 0);
    EXPECT_NE(second.Err().find("a QuickBooks stand-in is already running on " + sock.string()),
              std::string::npos);
    EXPECT_EQ(ParsePoAnswer(client.ProcessRequest(ticket, QueryPo(company.poTxnId))).statusCode, 0);

    program.Signal(SIGTERM);
    EXPECT_EQ(program.Wait(), 0);
    EXPECT_FALSE(fs::exists(fs::symlink_status(sock)));
    EXPECT_THROW(client.ProcessRequest(ticket, QueryPo(company.poTxnId)), TransportError);
    EXPECT_EQ(company.IntegrityCheck(), "ok");
}

TEST(QbhostProgram, KilledWhileARequestWaitsLeavesTheFileUnchanged) {
    REQUIRE_PROGRAM();
    TempFolder tmp;
    SmallCompany company;
    const fs::path sock = tmp.path / "qbhost.sock";
    // Every request waits ten minutes before the host sees it: far longer than the test.
    Program program({"serve", company.file.string(), "--socket", sock.string()},
                    {"MARROWICK_QBHOST_TEST_DELAY_MS=600000"});
    ASSERT_NE(program.Line(), "");

    SocketTransport client(sock);
    client.OpenConnection("Marrowick", "Marrowick", 1);
    const auto ticket = client.BeginSession("", 2);
    std::int32_t code = 0;
    std::thread waiting([&] {
        try {
            client.ProcessRequest(ticket, ModPoMemo(company.poTxnId, "0", "changed"));
        } catch (const TransportError& e) {
            code = e.hresult();
        }
    });
    program.Signal(SIGKILL);
    EXPECT_EQ(program.Wait(), 128 + SIGKILL);
    waiting.join();

    EXPECT_EQ(code, qbfc::kHrConnectionLost);
    EXPECT_EQ(company.IntegrityCheck(), "ok");
    EXPECT_EQ(company.Memo(), "start");
}
