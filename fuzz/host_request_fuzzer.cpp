// Feeds arbitrary text to the host's request reader: it must answer or throw
// TransportError, never crash.
#include "qbhost/company_description.h"
#include "qbhost/host.h"

#include <filesystem>
#include <unistd.h>

namespace {

qbhost::Host& FuzzHost() {
    static std::filesystem::path file = [] {
        auto dir = std::filesystem::temp_directory_path() /
                   ("qbhost-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
        auto path = dir / "company.qbw";
        std::filesystem::remove(path);
        qbhost::CompanyFile company = qbhost::CompanyFile::Create(path);
        qbhost::LoadDescription(company, "[preferences]\nclosing_date = 2011-02-28\n"
                                         "[po]\nref = 1\ndate = 2011-03-15\nvendor = Acme\n"
                                         "line = Widget | 10 | 2.50\n");
        return path;
    }();
    static qbhost::Host host(file);
    return host;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    qbhost::Host& host = FuzzHost();
    static std::string ticket = host.BeginSession("", 2);
    try {
        host.ProcessRequest(ticket, std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const qbfc::TransportError&) {
    }
    return 0;
}
