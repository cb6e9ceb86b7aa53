// A stand-in QuickBooks for the server's tests: records what each connection asks and
// answers from memory, so the socket layer can be tested without a company file.
#pragma once

#include "qbfc/transport.h"
#include "qbhost/server.h"

#include <chrono>
#include <condition_variable>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace qbnet_test {

namespace fs = std::filesystem;

inline constexpr std::int32_t kHrModalDialog = static_cast<std::int32_t>(0x80040414);

class FakeQuickBooks {
public:
    // Called at the start of every ProcessRequest, outside the lock.
    std::function<void()> onRequest;

    void Log(std::string entry) {
        std::lock_guard lock(m_mutex);
        m_log.push_back(std::move(entry));
        m_changed.notify_all();
    }
    std::vector<std::string> LogCopy() {
        std::lock_guard lock(m_mutex);
        return m_log;
    }
    std::string Begin(std::string_view file) {
        if (file == "busy.qbw")
            throw qbfc::TransportError(kHrModalDialog, "A modal dialog is showing.");
        std::lock_guard lock(m_mutex);
        auto ticket = "T" + std::to_string(++m_nextTicket);
        m_live.insert(ticket);
        m_log.push_back("begin " + ticket);
        m_changed.notify_all();
        return ticket;
    }
    void End(std::string_view ticket) {
        std::lock_guard lock(m_mutex);
        m_live.erase(std::string(ticket));
        m_log.push_back("end " + std::string(ticket));
        m_changed.notify_all();
    }
    std::size_t LiveSessions() {
        std::lock_guard lock(m_mutex);
        return m_live.size();
    }
    // Waits for the server's threads to catch up; the deadline only keeps a broken server
    // from hanging the run.
    bool WaitUntil(const std::function<bool(const std::vector<std::string>& log,
                                            std::size_t liveSessions)>& done) {
        std::unique_lock lock(m_mutex);
        return m_changed.wait_for(lock, std::chrono::seconds(30),
                                  [&] { return done(m_log, m_live.size()); });
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<std::string> m_log;
    std::set<std::string> m_live;
    int m_nextTicket = 0;
};

class FakeTransport : public qbfc::Transport {
public:
    explicit FakeTransport(FakeQuickBooks& qb) : m_qb(qb) {}
    void OpenConnection(std::string_view appID, std::string_view, int type) override {
        m_qb.Log("open " + std::string(appID) + " " + std::to_string(type));
    }
    std::string BeginSession(std::string_view file, int) override { return m_qb.Begin(file); }
    std::vector<std::string> QBXMLVersionsForSession(std::string_view) override {
        return {"8.0", "7.0"};
    }
    std::string ProcessRequest(std::string_view, std::string_view xml) override {
        if (m_qb.onRequest)
            m_qb.onRequest();
        if (xml == "throw")
            throw std::runtime_error("host failure");
        return "<Rs>" + std::string(xml) + "</Rs>";
    }
    void EndSession(std::string_view ticket) override { m_qb.End(ticket); }
    void CloseConnection() override { m_qb.Log("close"); }

private:
    FakeQuickBooks& m_qb;
};

inline qbhost::Server::BackendFactory FakeBackend(FakeQuickBooks& qb) {
    return [&qb] { return std::make_unique<FakeTransport>(qb); };
}

// A private 0700 folder, removed afterwards.
struct TempFolder {
    fs::path path;
    TempFolder() {
        std::string tmpl = (fs::temp_directory_path() / "qbnet-XXXXXX").string();
        path = ::mkdtemp(tmpl.data());
    }
    ~TempFolder() {
        std::error_code ec;
        fs::permissions(path, fs::perms::owner_all, ec);
        fs::remove_all(path, ec);
    }
};

// Kills and reaps a forked child host however the test ends, so it never outlives the run.
struct ChildReaper {
    pid_t pid;
    ~ChildReaper() {
        if (pid > 0 && ::kill(pid, SIGKILL) == 0)
            ::waitpid(pid, nullptr, 0);
    }
};

// A server accepting on its own thread for the life of the object.
class RunningServer {
public:
    RunningServer(qbhost::Server::BackendFactory backend, const fs::path& socket,
                  std::size_t maxClients = qbhost::Server::kDefaultMaxClients)
        : m_server(std::move(backend), socket, maxClients), m_thread([this] { m_server.Run(); }) {}
    ~RunningServer() {
        m_server.Stop();
        m_thread.join();
    }
    qbhost::Server& server() { return m_server; }

private:
    qbhost::Server m_server;
    std::thread m_thread;
};

} // namespace qbnet_test
