// The transport that talks to the host program ("the QuickBooks that is running") over its
// local socket, and where that socket lives.
//
// Errors the client raises itself, besides those the host reports:
//   0x80040408 "Could not start QuickBooks."      no host listens (at BeginSession, like the
//                                                  SDK; OpenConnection alone never fails)
//   0x80040401 "The connection to QuickBooks was lost."
//                                                  the host closed or reset the connection,
//                                                  or sent a reply that is not well formed
//   0x80070005 (access denied)                     the socket's folder is not ours alone
#pragma once

#include "qbfc/transport.h"
#include "qbfc/wire.h"

#include <chrono>
#include <filesystem>
#include <mutex>
#include <string>

namespace qbfc {

inline constexpr std::int32_t kHrCouldNotStartQuickBooks = static_cast<std::int32_t>(0x80040408);
inline constexpr std::int32_t kHrConnectionLost = static_cast<std::int32_t>(0x80040401);
inline constexpr std::int32_t kHrAccessDenied = static_cast<std::int32_t>(0x80070005);

// MARROWICK_QBHOST_SOCKET when set; else $XDG_RUNTIME_DIR/marrowick/qbhost.sock; else
// /tmp/marrowick-<uid>/qbhost.sock.
std::filesystem::path QbhostSocketPath();

// Checks that the folder is a real directory (not a link), owned by this user and closed to
// group and others; with create, makes it 0700 first when missing. Returns an empty string
// when the folder is fit, otherwise why not (a missing folder without create says so).
std::string CheckSocketFolder(const std::filesystem::path& folder, bool create);

class SocketTransport : public Transport {
public:
    explicit SocketTransport(std::filesystem::path socketPath = QbhostSocketPath(),
                             std::chrono::milliseconds connectTimeout = std::chrono::seconds(5));
    ~SocketTransport() override;
    SocketTransport(const SocketTransport&) = delete;
    SocketTransport& operator=(const SocketTransport&) = delete;

    void OpenConnection(std::string_view appID, std::string_view appName,
                        int connectionType) override;
    std::string BeginSession(std::string_view companyFile, int openMode) override;
    std::vector<std::string> QBXMLVersionsForSession(std::string_view ticket) override;
    std::string ProcessRequest(std::string_view ticket, std::string_view requestXml) override;
    void EndSession(std::string_view ticket) override;
    void CloseConnection() override;

private:
    void Connect();
    void Disconnect() noexcept;
    std::vector<std::string> Call(wire::Op op, std::vector<std::string> args);

    std::filesystem::path m_socketPath;
    std::chrono::milliseconds m_connectTimeout;
    std::mutex m_mutex; // one exchange at a time: frames of two calls must not interleave
    int m_fd = -1;
    bool m_opened = false;
    std::string m_appID;
    std::string m_appName;
    int m_connectionType = 0;
};

} // namespace qbfc
