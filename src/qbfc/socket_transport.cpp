#include "qbfc/socket_transport.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <system_error>
#include <thread>
#include <unistd.h>

namespace qbfc {

namespace {

constexpr std::int32_t kHrUnexpected = static_cast<std::int32_t>(0x8000FFFF);
constexpr const char* kCouldNotStart = "Could not start QuickBooks.";
constexpr const char* kLost = "The connection to QuickBooks was lost.";

std::string Env(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string{} : std::string{value};
}

} // namespace

std::filesystem::path QbhostSocketPath() {
    if (auto path = Env("MARROWICK_QBHOST_SOCKET"); !path.empty())
        return path;
    if (auto runtime = Env("XDG_RUNTIME_DIR"); !runtime.empty())
        return std::filesystem::path(runtime) / "marrowick" / "qbhost.sock";
    return std::filesystem::path("/tmp") / ("marrowick-" + std::to_string(::getuid())) /
           "qbhost.sock";
}

std::string CheckSocketFolder(const std::filesystem::path& folder, bool create) {
    const std::string name = folder.string();
    if (create && ::mkdir(name.c_str(), 0700) != 0 && errno != EEXIST)
        return "cannot create the folder " + name + ": " + std::strerror(errno);
    struct stat st {};
    // lstat: a link planted in a shared folder such as /tmp must not lead us elsewhere.
    if (::lstat(name.c_str(), &st) != 0)
        return "the folder " + name + " cannot be used: " + std::strerror(errno);
    if (!S_ISDIR(st.st_mode))
        return "the folder " + name + " is not a directory";
    if (st.st_uid != ::getuid())
        return "the folder " + name + " belongs to another user";
    if ((st.st_mode & 077) != 0)
        return "the folder " + name +
               " is open to other users; it must be accessible to its "
               "owner only (chmod 700)";
    return {};
}

SocketTransport::SocketTransport(std::filesystem::path socketPath,
                                 std::chrono::milliseconds connectTimeout)
    : m_socketPath(std::move(socketPath)), m_connectTimeout(connectTimeout) {}

SocketTransport::~SocketTransport() {
    Disconnect();
}

void SocketTransport::Disconnect() noexcept {
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

void SocketTransport::Connect() {
    const auto folder = m_socketPath.parent_path().empty() ? std::filesystem::path(".")
                                                           : m_socketPath.parent_path();
    struct stat st {};
    if (::lstat(folder.c_str(), &st) != 0)
        throw TransportError(kHrCouldNotStartQuickBooks, kCouldNotStart);
    // Someone else's folder could hold a socket impersonating QuickBooks.
    if (auto why = CheckSocketFolder(folder, false); !why.empty())
        throw TransportError(kHrAccessDenied, "Refusing to connect to QuickBooks: " + why + ".");

    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string path = m_socketPath.string();
    if (path.size() >= sizeof address.sun_path)
        throw TransportError(kHrCouldNotStartQuickBooks,
                             std::string(kCouldNotStart) + " (socket path too long: " + path + ")");
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);

    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        throw TransportError(kHrCouldNotStartQuickBooks, kCouldNotStart);
    const auto deadline = std::chrono::steady_clock::now() + m_connectTimeout;
    for (;;) {
        if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0)
            break;
        // A full backlog answers EAGAIN on a local socket and cannot be polled for.
        if ((errno == EAGAIN || errno == EINTR) && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            continue;
        }
        ::close(fd);
        throw TransportError(kHrCouldNotStartQuickBooks, kCouldNotStart);
    }
    // Requests have no timeout: QuickBooks may take minutes over a large report.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    m_fd = fd;
}

std::vector<std::string> SocketTransport::Call(wire::Op op, std::vector<std::string> args) {
    if (m_fd < 0)
        throw TransportError(kHrConnectionLost, kLost);
    wire::Reply reply;
    try {
        wire::WriteFrame(m_fd, wire::EncodeRequest({op, std::move(args)}));
        auto payload = wire::ReadFrame(m_fd);
        if (!payload)
            throw wire::ConnectionLost("closed");
        reply = wire::DecodeReply(*payload);
        const int expected = wire::InfoOf(op).resultCount;
        if (reply.ok && expected != wire::kAnyCount &&
            reply.results.size() != static_cast<std::size_t>(expected))
            throw wire::ProtocolError("wrong number of results");
    } catch (const wire::ProtocolError&) {
        // After a reply we cannot read, the stream is out of step; nothing on it is usable.
        Disconnect();
        throw TransportError(kHrConnectionLost, kLost);
    } catch (const wire::ConnectionLost&) {
        Disconnect();
        throw TransportError(kHrConnectionLost, kLost);
    } catch (const std::system_error&) {
        Disconnect();
        throw TransportError(kHrConnectionLost, kLost);
    }
    if (!reply.ok)
        throw TransportError(reply.hresult, reply.description);
    return std::move(reply.results);
}

void SocketTransport::OpenConnection(std::string_view appID, std::string_view appName,
                                     int connectionType) {
    std::lock_guard lock(m_mutex);
    m_appID = appID;
    m_appName = appName;
    m_connectionType = connectionType;
    m_opened = true;
    // Like the SDK, this succeeds with no QuickBooks running; BeginSession finds out.
    if (m_fd >= 0)
        Call(wire::Op::Open, {m_appID, m_appName, std::to_string(m_connectionType)});
}

std::string SocketTransport::BeginSession(std::string_view companyFile, int openMode) {
    std::lock_guard lock(m_mutex);
    if (!m_opened)
        throw TransportError(kHrUnexpected, "The connection to QuickBooks has not been opened.");
    if (m_fd < 0) {
        Connect();
        Call(wire::Op::Open, {m_appID, m_appName, std::to_string(m_connectionType)});
    }
    return Call(wire::Op::Begin, {std::string(companyFile), std::to_string(openMode)}).front();
}

std::vector<std::string> SocketTransport::QBXMLVersionsForSession(std::string_view ticket) {
    std::lock_guard lock(m_mutex);
    return Call(wire::Op::Versions, {std::string(ticket)});
}

std::string SocketTransport::ProcessRequest(std::string_view ticket, std::string_view requestXml) {
    std::lock_guard lock(m_mutex);
    return Call(wire::Op::Request, {std::string(ticket), std::string(requestXml)}).front();
}

void SocketTransport::EndSession(std::string_view ticket) {
    std::lock_guard lock(m_mutex);
    Call(wire::Op::End, {std::string(ticket)});
}

void SocketTransport::CloseConnection() {
    std::lock_guard lock(m_mutex);
    m_opened = false;
    if (m_fd < 0)
        return; // never connected, or the host is gone: nothing left to close
    try {
        Call(wire::Op::Close, {});
    } catch (const TransportError& e) {
        Disconnect();
        if (e.hresult() != kHrConnectionLost)
            throw;
    }
    Disconnect();
}

} // namespace qbfc
