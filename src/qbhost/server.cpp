#include "qbhost/server.h"

#include "qbfc/socket_transport.h"
#include "qbfc/wire.h"

#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <set>
#include <stdexcept>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

namespace qbhost {

namespace wire = qbfc::wire;

namespace {

constexpr std::int32_t kHrFail = static_cast<std::int32_t>(0x80004005);

// One client's view of QuickBooks: its own connection and the sessions it has begun.
struct Connection {
    qbfc::Transport& backend;
    std::chrono::milliseconds testDelay;
    const std::atomic<bool>& stopping;
    bool opened = false;
    std::set<std::string> tickets;

    // A client that vanishes must not leave sessions begun on the company file.
    void EndAll() noexcept {
        for (const auto& ticket : tickets) {
            try {
                backend.EndSession(ticket);
            } catch (...) {
            }
        }
        tickets.clear();
    }
};

int ParseInt(const std::string& text) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size())
        throw wire::ProtocolError("not a number: " + text);
    return value;
}

using Args = std::vector<std::string>;
using Handler = Args (*)(Connection&, Args&);

// clang-format off
constexpr struct {
    wire::Op op;
    Handler handler;
} kHandlers[] = {
    {wire::Op::Open, [](Connection& c, Args& a) -> Args {
        c.backend.OpenConnection(a[0], a[1], ParseInt(a[2]));
        c.opened = true;
        return {};
    }},
    {wire::Op::Begin, [](Connection& c, Args& a) -> Args {
        const int openMode = ParseInt(a[1]);
        auto ticket = c.backend.BeginSession(a[0], openMode);
        c.tickets.insert(ticket);
        return {std::move(ticket)};
    }},
    {wire::Op::Versions, [](Connection& c, Args& a) -> Args {
        return c.backend.QBXMLVersionsForSession(a[0]);
    }},
    {wire::Op::Request, [](Connection& c, Args& a) -> Args {
        const auto until = std::chrono::steady_clock::now() + c.testDelay;
        while (!c.stopping && std::chrono::steady_clock::now() < until)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        return {c.backend.ProcessRequest(a[0], a[1])};
    }},
    {wire::Op::End, [](Connection& c, Args& a) -> Args {
        c.tickets.erase(a[0]); // gone even if ending fails: the host has no use for it either
        c.backend.EndSession(a[0]);
        return {};
    }},
    {wire::Op::Close, [](Connection& c, Args&) -> Args {
        c.EndAll();
        c.opened = false;
        c.backend.CloseConnection();
        return {};
    }},
};
// clang-format on

wire::Reply Dispatch(Connection& connection, wire::Request& request) {
    for (const auto& row : kHandlers) {
        if (row.op != request.op)
            continue;
        try {
            return wire::Reply::Ok(row.handler(connection, request.args));
        } catch (const wire::ProtocolError&) {
            throw;
        } catch (const qbfc::TransportError& e) {
            return wire::Reply::Err(e.hresult(), e.what());
        } catch (const std::exception& e) {
            return wire::Reply::Err(kHrFail, e.what());
        }
    }
    throw wire::ProtocolError("op without a handler");
}

std::chrono::milliseconds TestDelay() {
    const char* text = std::getenv("MARROWICK_QBHOST_TEST_DELAY_MS");
    return std::chrono::milliseconds(text == nullptr ? 0 : std::atol(text));
}

sockaddr_un AddressOf(const std::filesystem::path& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string text = path.string();
    if (text.size() >= sizeof address.sun_path)
        throw std::runtime_error("The socket path " + text + " is too long.");
    std::memcpy(address.sun_path, text.c_str(), text.size() + 1);
    return address;
}

// Removes a socket file nobody listens on; refuses when someone does, or when the path is
// something other than a socket (that is not ours to delete).
void ClearStaleSocket(const std::filesystem::path& path, const sockaddr_un& address) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0)
        return;
    if (!S_ISSOCK(st.st_mode))
        throw std::runtime_error(path.string() + " exists and is not a socket.");
    const int probe = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const bool live =
        ::connect(probe, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 ||
        errno != ECONNREFUSED;
    ::close(probe);
    if (live)
        throw std::runtime_error("a QuickBooks stand-in is already running on " + path.string());
    ::unlink(path.c_str());
}

} // namespace

struct Server::Client {
    Fd fd;
    std::atomic<bool> done{false};
    std::thread thread;
};

Server::Fd& Server::Fd::operator=(Fd&& other) noexcept {
    if (this != &other) {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = std::exchange(other.m_fd, -1);
    }
    return *this;
}

Server::Fd::~Fd() {
    if (m_fd >= 0)
        ::close(m_fd);
}

Server::Server(BackendFactory backend, std::filesystem::path socketPath, std::size_t maxClients)
    : m_backend(std::move(backend)), m_socketPath(std::move(socketPath)),
      m_maxClients(maxClients == 0 ? 1 : maxClients), m_testDelay(TestDelay()) {
    const auto folder = m_socketPath.parent_path().empty() ? std::filesystem::path(".")
                                                           : m_socketPath.parent_path();
    if (auto why = qbfc::CheckSocketFolder(folder, true); !why.empty())
        throw std::runtime_error("Cannot serve on " + m_socketPath.string() + ": " + why + ".");

    const sockaddr_un address = AddressOf(m_socketPath);
    ClearStaleSocket(m_socketPath, address);

    m_listen = Fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    if (m_listen.get() < 0)
        throw std::runtime_error(std::string("Cannot create a socket: ") + std::strerror(errno));
    if (::bind(m_listen.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        if (errno == EADDRINUSE) // another server won the race for the path
            throw std::runtime_error("a QuickBooks stand-in is already running on " +
                                     m_socketPath.string());
        throw std::runtime_error("Cannot bind " + m_socketPath.string() + ": " +
                                 std::strerror(errno));
    }
    struct stat st {};
    ::chmod(m_socketPath.c_str(), 0600);
    ::lstat(m_socketPath.c_str(), &st);
    m_socketDev = st.st_dev;
    m_socketIno = st.st_ino;
    if (::listen(m_listen.get(), 64) != 0)
        throw std::runtime_error("Cannot listen on " + m_socketPath.string() + ": " +
                                 std::strerror(errno));

    int pipeFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC | O_NONBLOCK) != 0)
        throw std::runtime_error(std::string("Cannot create a pipe: ") + std::strerror(errno));
    m_wakeRead = Fd(pipeFds[0]);
    m_wakeWrite = Fd(pipeFds[1]);
}

Server::~Server() {
    Stop();
    DisconnectAll();
    // A newer server may have replaced a file we no longer listen on; leave that one alone.
    struct stat st {};
    if (::lstat(m_socketPath.c_str(), &st) == 0 && st.st_dev == m_socketDev &&
        st.st_ino == m_socketIno)
        ::unlink(m_socketPath.c_str());
}

void Server::Wake() noexcept {
    const char byte = 1;
    // A full pipe already holds a wake-up; nothing is lost when this write fails.
    [[maybe_unused]] auto n = ::write(m_wakeWrite.get(), &byte, 1);
}

void Server::Stop() noexcept {
    m_stopping = true;
    Wake();
}

void Server::Run() {
    while (!m_stopping) {
        ReapFinished();
        bool room;
        {
            std::lock_guard lock(m_mutex);
            room = m_clients.size() < m_maxClients;
        }
        pollfd fds[2] = {{m_wakeRead.get(), POLLIN, 0},
                         {m_listen.get(), static_cast<short>(room ? POLLIN : 0), 0}};
        if (::poll(fds, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            throw std::runtime_error(std::string("poll: ") + std::strerror(errno));
        }
        if (fds[0].revents != 0) {
            char drain[64];
            while (::read(m_wakeRead.get(), drain, sizeof drain) > 0) {
            }
        }
        if (m_stopping || !room || (fds[1].revents & POLLIN) == 0)
            continue;
        const int fd = ::accept4(m_listen.get(), nullptr, nullptr, SOCK_CLOEXEC);
        if (fd < 0)
            continue; // the client gave up before we got to it
        std::lock_guard lock(m_mutex);
        auto& client = *m_clients.emplace_back(std::make_unique<Client>());
        client.fd = Fd(fd);
        client.thread = std::thread([this, &client] { Serve(client); });
    }
    DisconnectAll();
}

void Server::Serve(Client& client) {
    try {
        auto backend = m_backend();
        Connection connection{*backend, m_testDelay, m_stopping, false, {}};
        try {
            while (auto payload = wire::ReadFrame(client.fd.get())) {
                auto request = wire::DecodeRequest(*payload);
                wire::WriteFrame(client.fd.get(), wire::EncodeReply(Dispatch(connection, request)));
            }
        } catch (const std::exception&) {
            // A broken frame, a vanished client or a failed send: drop this client only.
        }
        connection.EndAll();
        if (connection.opened) {
            try {
                backend->CloseConnection();
            } catch (...) {
            }
        }
    } catch (...) {
        // The backend could not be made for this client; it just gets disconnected.
    }
    ::shutdown(client.fd.get(), SHUT_RDWR);
    client.done = true;
    Wake();
}

void Server::ReapFinished() {
    std::lock_guard lock(m_mutex);
    for (auto it = m_clients.begin(); it != m_clients.end();) {
        if ((*it)->done) {
            (*it)->thread.join();
            it = m_clients.erase(it);
        } else {
            ++it;
        }
    }
}

void Server::DisconnectAll() {
    std::list<std::unique_ptr<Client>> clients;
    {
        std::lock_guard lock(m_mutex);
        clients.swap(m_clients);
    }
    // Wakes threads blocked reading; one inside a request finishes it first.
    for (auto& client : clients)
        ::shutdown(client->fd.get(), SHUT_RDWR);
    for (auto& client : clients)
        client->thread.join();
}

} // namespace qbhost
