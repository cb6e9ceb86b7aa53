// qbhost: "the QuickBooks that is running". Opens one company file and serves it on the
// local socket until SIGINT or SIGTERM.
#include "qbfc/socket_transport.h"
#include "qbhost/host.h"
#include "qbhost/server.h"

#include <csignal>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr const char* kUsage = "usage: qbhost serve COMPANY [--socket PATH]\n"
                               "       qbhost --help\n"
                               "\n"
                               "Serves the company file COMPANY to Marrowick over a local socket,\n"
                               "as a running QuickBooks would, until stopped (Ctrl-C or SIGTERM).\n"
                               "The socket is PATH, else $MARROWICK_QBHOST_SOCKET, else\n"
                               "$XDG_RUNTIME_DIR/marrowick/qbhost.sock, else\n"
                               "/tmp/marrowick-<uid>/qbhost.sock.\n";

enum Exit { kOk = 0, kFailure = 1, kBadCompany = 2, kUsageError = 64 };

qbhost::Server* g_server = nullptr;

extern "C" void OnStopSignal(int) {
    if (g_server != nullptr)
        g_server->Stop(); // only writes to a pipe: safe in a handler
}

struct Options {
    std::filesystem::path company;
    std::optional<std::filesystem::path> socket;
};

std::optional<Options> Parse(const std::vector<std::string_view>& args) {
    if (args.size() < 2 || args[0] != "serve")
        return std::nullopt;
    Options options{std::filesystem::path(args[1]), std::nullopt};
    for (std::size_t i = 2; i < args.size(); ++i) {
        if (args[i] == "--socket" && i + 1 < args.size())
            options.socket = std::filesystem::path(args[++i]);
        else
            return std::nullopt;
    }
    return options;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        std::fputs(kUsage, stdout);
        return kOk;
    }
    const auto options = Parse(args);
    if (!options) {
        std::fputs(kUsage, stderr);
        return kUsageError;
    }

    std::optional<qbhost::Host> host;
    try {
        host.emplace(options->company);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "qbhost: %s\n", e.what());
        return kBadCompany;
    }

    try {
        qbhost::Server server([&] { return qbhost::MakeInProcessTransport(*host); },
                              options->socket.value_or(qbfc::QbhostSocketPath()));
        g_server = &server;
        struct sigaction action {};
        action.sa_handler = OnStopSignal;
        sigemptyset(&action.sa_mask);
        sigaction(SIGINT, &action, nullptr);
        sigaction(SIGTERM, &action, nullptr);
        std::signal(SIGPIPE, SIG_IGN);

        std::printf("QuickBooks stand-in serving %s on %s\n", options->company.c_str(),
                    server.SocketPath().c_str());
        std::fflush(stdout);
        server.Run();
        g_server = nullptr;
    } catch (const std::exception& e) {
        g_server = nullptr;
        std::fprintf(stderr, "qbhost: %s\n", e.what());
        return kFailure;
    }
    return kOk;
}
