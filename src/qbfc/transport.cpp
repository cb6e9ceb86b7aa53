#include "qbfc/transport.h"

#include "qbfc/socket_transport.h"

#include <mutex>
#include <utility>

namespace qbfc {

namespace {

std::mutex g_factoryMutex;

TransportFactory& Factory() {
    static TransportFactory factory;
    return factory;
}

} // namespace

TransportFactory SetTransportFactory(TransportFactory factory) {
    std::lock_guard lock(g_factoryMutex);
    return std::exchange(Factory(), std::move(factory));
}

std::unique_ptr<Transport> CreateTransport() {
    TransportFactory factory;
    {
        std::lock_guard lock(g_factoryMutex);
        factory = Factory();
    }
    // The socket path is read at each creation, so a host started later is still found.
    if (!factory)
        return std::make_unique<SocketTransport>();
    return factory();
}

} // namespace qbfc
