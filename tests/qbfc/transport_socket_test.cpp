#include "qbfc/socket_transport.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

using namespace qbfc;
namespace fs = std::filesystem;

namespace {

// Sets environment variables for one test and puts the old values back.
class EnvGuard {
public:
    void Set(const char* name, const char* value) {
        const char* old = std::getenv(name);
        m_saved.push_back({name, old ? std::optional<std::string>(old) : std::nullopt});
        if (value)
            ::setenv(name, value, 1);
        else
            ::unsetenv(name);
    }
    ~EnvGuard() {
        for (auto it = m_saved.rbegin(); it != m_saved.rend(); ++it) {
            if (it->second)
                ::setenv(it->first.c_str(), it->second->c_str(), 1);
            else
                ::unsetenv(it->first.c_str());
        }
    }

private:
    std::vector<std::pair<std::string, std::optional<std::string>>> m_saved;
};

// A private 0700 folder, removed afterwards.
struct TempFolder {
    fs::path path;
    TempFolder() {
        std::string tmpl = (fs::temp_directory_path() / "qbnet-XXXXXX").string();
        path = ::mkdtemp(tmpl.data());
    }
    ~TempFolder() {
        ::chmod(path.c_str(), 0700);
        fs::remove_all(path);
    }
};

int Listen(const fs::path& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    EXPECT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    EXPECT_EQ(::listen(fd, 4), 0);
    return fd;
}

std::string Be32(std::uint32_t n) {
    return {static_cast<char>(n >> 24), static_cast<char>((n >> 16) & 0xFF),
            static_cast<char>((n >> 8) & 0xFF), static_cast<char>(n & 0xFF)};
}

std::string Framed(const wire::Reply& reply) {
    const auto payload = wire::EncodeReply(reply);
    return Be32(payload.size()) + payload;
}

// A host that answers one client from a script: each entry is the raw bytes sent back for
// one request; nullopt closes the connection instead of answering.
class ScriptedHost {
public:
    ScriptedHost(const fs::path& path, std::vector<std::optional<std::string>> script)
        : m_listen(Listen(path)), m_script(std::move(script)) {
        m_thread = std::thread([this] { Serve(); });
    }
    ~ScriptedHost() {
        if (m_thread.joinable())
            m_thread.join();
        ::close(m_listen);
    }
    // What the client sent, op name first; read after the client is done.
    const std::vector<std::vector<std::string>>& Received() {
        if (m_thread.joinable())
            m_thread.join();
        return m_received;
    }

private:
    void Serve() {
        const int fd = ::accept(m_listen, nullptr, nullptr);
        for (const auto& step : m_script) {
            auto frame = wire::ReadFrame(fd);
            if (!frame)
                break;
            m_received.push_back(wire::DecodeFields(*frame));
            if (!step)
                break;
            ::send(fd, step->data(), step->size(), MSG_NOSIGNAL);
        }
        ::close(fd);
    }

    int m_listen;
    std::vector<std::optional<std::string>> m_script;
    std::vector<std::vector<std::string>> m_received;
    std::thread m_thread;
};

const std::string kOk = Framed(wire::Reply::Ok());
const std::string kTicket = Framed(wire::Reply::Ok({"T-1"}));

void ExpectError(const std::function<void()>& call, std::int32_t hresult,
                 std::string_view description) {
    try {
        call();
        ADD_FAILURE() << "no TransportError";
    } catch (const TransportError& e) {
        EXPECT_EQ(static_cast<std::uint32_t>(e.hresult()), static_cast<std::uint32_t>(hresult));
        if (!description.empty()) {
            EXPECT_EQ(e.what(), description);
        }
    }
}

} // namespace

TEST(SocketPath, ComesFromTheEnvironment) {
    const std::string tmpDefault = "/tmp/marrowick-" + std::to_string(::getuid()) + "/qbhost.sock";
    const struct {
        const char* override;
        const char* runtime;
        std::string expected;
    } cases[] = {
        {"/x/y.sock", "/run/user/7", "/x/y.sock"},
        {nullptr, "/run/user/7", "/run/user/7/marrowick/qbhost.sock"},
        {"", "/run/user/7", "/run/user/7/marrowick/qbhost.sock"},
        {nullptr, nullptr, tmpDefault},
        {nullptr, "", tmpDefault},
    };
    for (const auto& c : cases) {
        EnvGuard env;
        env.Set("MARROWICK_QBHOST_SOCKET", c.override);
        env.Set("XDG_RUNTIME_DIR", c.runtime);
        EXPECT_EQ(QbhostSocketPath(), fs::path(c.expected));
    }
}

TEST(SocketFolder, OnlyAPrivateFolderOfOursIsFit) {
    TempFolder tmp;
    const fs::path folder = tmp.path / "sock";
    EXPECT_NE(CheckSocketFolder(folder, false), "") << "missing and not to be created";
    EXPECT_EQ(CheckSocketFolder(folder, true), "");
    struct stat st {};
    ASSERT_EQ(::stat(folder.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);

    for (mode_t mode : {0750, 0705, 0777, 0710}) {
        ::chmod(folder.c_str(), mode);
        EXPECT_NE(CheckSocketFolder(folder, true), "") << std::oct << mode;
    }
    ::chmod(folder.c_str(), 0700);

    const fs::path link = tmp.path / "link";
    fs::create_directory_symlink(folder, link);
    EXPECT_NE(CheckSocketFolder(link, true), "") << "a link is refused";
    const fs::path file = tmp.path / "file";
    std::fclose(std::fopen(file.c_str(), "w"));
    EXPECT_NE(CheckSocketFolder(file, true), "");
}

TEST(SocketTransport, NoHostListeningFailsAtBeginSession) {
    TempFolder tmp;
    const fs::path sock = tmp.path / "qbhost.sock";
    const struct {
        const char* what;
        std::function<fs::path()> prepare;
    } cases[] = {
        {"folder missing", [&] { return tmp.path / "nowhere" / "qbhost.sock"; }},
        {"no socket file", [&] { return sock; }},
        {"stale socket file",
         [&] {
             ::close(Listen(sock)); // the file stays, nobody listens
             return sock;
         }},
        {"path too long", [&] { return tmp.path / std::string(200, 'x'); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SocketTransport transport(c.prepare());
        EXPECT_NO_THROW(transport.OpenConnection("Marrowick", "Marrowick", 1));
        ExpectError([&] { transport.BeginSession("", 2); }, kHrCouldNotStartQuickBooks,
                    c.what == std::string("path too long") ? "" : "Could not start QuickBooks.");
        EXPECT_NO_THROW(transport.CloseConnection());
        fs::remove(sock);
    }
}

TEST(SocketTransport, RefusesAFolderOthersCanReach) {
    TempFolder tmp;
    ScriptedHost host(tmp.path / "qbhost.sock", {});
    ::chmod(tmp.path.c_str(), 0777);
    SocketTransport transport(tmp.path / "qbhost.sock");
    transport.OpenConnection("Marrowick", "Marrowick", 1);
    ExpectError([&] { transport.BeginSession("", 2); }, kHrAccessDenied, "");
    ::chmod(tmp.path.c_str(), 0700);
    SocketTransport unblock(tmp.path / "qbhost.sock"); // lets the scripted host finish
    unblock.OpenConnection("a", "b", 1);
    EXPECT_THROW(unblock.BeginSession("", 2), TransportError);
}

TEST(SocketTransport, SendsEachCallsArgumentsAndReturnsTheResults) {
    TempFolder tmp;
    ScriptedHost host(tmp.path / "qbhost.sock",
                      {kOk, kTicket, Framed(wire::Reply::Ok({"CA3.0", "2.0"})),
                       Framed(wire::Reply::Ok({"<QBXML>Rs</QBXML>"})), kOk, kOk});
    SocketTransport transport(tmp.path / "qbhost.sock");
    transport.OpenConnection("App ID", "Marrowick", 1);
    EXPECT_EQ(transport.BeginSession("C:/co.qbw", 2), "T-1");
    EXPECT_EQ(transport.QBXMLVersionsForSession("T-1"), (std::vector<std::string>{"CA3.0", "2.0"}));
    EXPECT_EQ(transport.ProcessRequest("T-1", "<QBXML>Rq</QBXML>"), "<QBXML>Rs</QBXML>");
    transport.EndSession("T-1");
    transport.CloseConnection();

    const std::vector<std::vector<std::string>> expected = {
        {"open", "App ID", "Marrowick", "1"},
        {"begin", "C:/co.qbw", "2"},
        {"versions", "T-1"},
        {"request", "T-1", "<QBXML>Rq</QBXML>"},
        {"end", "T-1"},
        {"close"},
    };
    EXPECT_EQ(host.Received(), expected);
}

TEST(SocketTransport, AHostErrorKeepsTheConnection) {
    TempFolder tmp;
    ScriptedHost host(tmp.path / "qbhost.sock",
                      {kOk,
                       Framed(wire::Reply::Err(static_cast<std::int32_t>(0x80040414),
                                               "A modal dialog is showing.")),
                       kTicket});
    SocketTransport transport(tmp.path / "qbhost.sock");
    transport.OpenConnection("Marrowick", "Marrowick", 1);
    ExpectError([&] { transport.BeginSession("", 2); }, static_cast<std::int32_t>(0x80040414),
                "A modal dialog is showing.");
    EXPECT_EQ(transport.BeginSession("", 2), "T-1");
}

TEST(SocketTransport, ABrokenOrMissingReplyIsALostConnection) {
    const struct {
        const char* what;
        std::optional<std::string> reply;
    } cases[] = {
        {"host gone before answering", std::nullopt},
        {"frame cut short", kTicket.substr(0, kTicket.size() - 2)},
        {"header cut short", std::string("\0\0", 2)},
        {"frame above the limit", Be32(wire::kMaxFrame + 1) + "xx"},
        {"unknown status", Framed(wire::Reply::Ok({"x"})).replace(8, 2, "no")},
        {"results missing", kOk},
        {"results too many", Framed(wire::Reply::Ok({"a", "b"}))},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder tmp;
        ScriptedHost host(tmp.path / "qbhost.sock", {kOk, kTicket, c.reply});
        SocketTransport transport(tmp.path / "qbhost.sock");
        transport.OpenConnection("Marrowick", "Marrowick", 1);
        ASSERT_EQ(transport.BeginSession("", 2), "T-1");
        ExpectError([&] { transport.ProcessRequest("T-1", "<QBXML/>"); }, kHrConnectionLost,
                    "The connection to QuickBooks was lost.");
        // Nothing is left to talk to; later calls fail the same way and closing is quiet.
        ExpectError([&] { transport.EndSession("T-1"); }, kHrConnectionLost, "");
        EXPECT_NO_THROW(transport.CloseConnection());
    }
}

TEST(SocketTransport, BeginSessionBeforeOpenConnectionIsRefused) {
    SocketTransport transport("/nonexistent/qbhost.sock");
    EXPECT_THROW(transport.BeginSession("", 2), TransportError);
}

TEST(TransportFactory, DefaultsToTheSocketClient) {
    struct Stub : Transport {
        void OpenConnection(std::string_view, std::string_view, int) override {}
        std::string BeginSession(std::string_view, int) override { return {}; }
        std::vector<std::string> QBXMLVersionsForSession(std::string_view) override { return {}; }
        std::string ProcessRequest(std::string_view, std::string_view) override { return {}; }
        void EndSession(std::string_view) override {}
        void CloseConnection() override {}
    };
    EXPECT_NE(dynamic_cast<SocketTransport*>(CreateTransport().get()), nullptr);

    const auto previous = SetTransportFactory([] { return std::make_unique<Stub>(); });
    EXPECT_NE(dynamic_cast<Stub*>(CreateTransport().get()), nullptr);
    SetTransportFactory(previous);
    EXPECT_NE(dynamic_cast<SocketTransport*>(CreateTransport().get()), nullptr);
}
