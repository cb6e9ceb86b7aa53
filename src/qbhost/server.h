// The host program's side of the local socket: it listens on the socket path, gives each
// client its own thread and its own connection to the one QuickBooks stand-in, and ends the
// sessions a client began when that client goes away (cleanly or not).
//
// Every client gets a fresh qbfc::Transport from the backend factory (normally an in-process
// transport on the shared, thread-safe Host), so the server itself knows nothing of company
// files. A client that breaks the wire format is dropped; the others carry on.
#pragma once

#include "qbfc/transport.h"

#include <atomic>
#include <chrono>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <list>
#include <memory>
#include <mutex>
#include <sys/types.h>
#include <utility>

namespace qbhost {

class Server {
public:
    using BackendFactory = std::function<std::unique_ptr<qbfc::Transport>()>;

    static constexpr std::size_t kDefaultMaxClients = 32;

    // Makes the socket's folder (0700, ours alone), replaces a stale socket file and binds a
    // 0600 socket. Throws std::runtime_error with a message for the user when the folder is
    // not safe, another stand-in is already listening there, or the socket cannot be made.
    //
    // When MARROWICK_QBHOST_TEST_DELAY_MS is set, every "request" waits that long before it
    // is processed, so tests can stop a host while a request is pending.
    Server(BackendFactory backend, std::filesystem::path socketPath,
           std::size_t maxClients = kDefaultMaxClients);
    // Stops, waits for the client threads, and removes the socket file if it is still ours.
    ~Server();
    Server(const Server&) = delete;
    Server& operator=(const Server&) = delete;

    const std::filesystem::path& SocketPath() const { return m_socketPath; }

    // Accepts clients until Stop. Beyond maxClients, new clients wait in the listen queue.
    void Run();
    // Safe from a signal handler and from any thread; Run returns soon after.
    void Stop() noexcept;

private:
    // A file descriptor closed with its owner, so a constructor that throws leaks nothing.
    class Fd {
    public:
        Fd() = default;
        explicit Fd(int fd) : m_fd(fd) {}
        Fd(Fd&& other) noexcept : m_fd(std::exchange(other.m_fd, -1)) {}
        Fd& operator=(Fd&& other) noexcept;
        ~Fd();
        int get() const { return m_fd; }

    private:
        int m_fd = -1;
    };
    struct Client;
    void Wake() noexcept;
    void Serve(Client& client);
    void ReapFinished();
    void DisconnectAll();

    BackendFactory m_backend;
    std::filesystem::path m_socketPath;
    std::size_t m_maxClients;
    std::chrono::milliseconds m_testDelay{0};
    Fd m_listen;
    Fd m_wakeRead; // a byte here wakes Run: Stop, or a client thread that finished
    Fd m_wakeWrite;
    dev_t m_socketDev = 0;
    ino_t m_socketIno = 0;
    std::atomic<bool> m_stopping{false};
    std::mutex m_mutex;
    std::list<std::unique_ptr<Client>> m_clients;
};

} // namespace qbhost
