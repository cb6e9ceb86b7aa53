#include "qbhost/host.h"

#include "qbhost/company_file.h"
#include "qbhost/request_processor.h"

#include <array>
#include <cstdio>
#include <mutex>
#include <optional>
#include <random>
#include <set>

namespace qbhost {

namespace {

constexpr std::int32_t Hr(std::uint32_t value) {
    return static_cast<std::int32_t>(value);
}

constexpr std::int32_t kInvalidTicket = Hr(0x80040402);
constexpr std::int32_t kNoFileOpen = Hr(0x80040417);
constexpr std::int32_t kOtherFileOpen = Hr(0x8004040A);
constexpr std::int32_t kFileLocked = Hr(0x8004041B);
constexpr std::int32_t kInvalidArgument = Hr(0x80070057);

struct StateError {
    HostState state;
    std::int32_t hresult;
    const char* description;
};

constexpr std::array<StateError, 6> kStateErrors = {{
    {HostState::NoFileOpen, kNoFileOpen,
     "If the QuickBooks company data file is not specified, a company data file must be open "
     "in QuickBooks."},
    {HostState::OtherFileOpen, kOtherFileOpen,
     "A QuickBooks company data file is already open and it is different from the one "
     "requested."},
    {HostState::OtherMode, Hr(0x80040410),
     "The QuickBooks company data file is currently open in a mode other than the one "
     "specified by your application."},
    {HostState::ModalDialog, Hr(0x80040414),
     "A QuickBooks modal dialog box is open. Your application cannot access QuickBooks until "
     "the user closes the dialog box."},
    {HostState::FileLocked, kFileLocked,
     "Unable to lock the necessary information to allow this application to access the "
     "company data file. Try again later."},
    {HostState::SingleUserOther, Hr(0x80040422),
     "This application requires Single User file access mode and there is already another "
     "application sharing data with this QuickBooks company data file."},
}};

constexpr int kOpenModeSingleUser = 0;

[[noreturn]] void Fail(HostState state) {
    for (const auto& entry : kStateErrors)
        if (entry.state == state)
            throw qbfc::TransportError(entry.hresult, entry.description);
    throw qbfc::TransportError(kNoFileOpen, kStateErrors[0].description);
}

bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
    std::error_code ec;
    if (std::filesystem::equivalent(a, b, ec))
        return true;
    return std::filesystem::weakly_canonical(a, ec) == std::filesystem::weakly_canonical(b, ec);
}

} // namespace

struct Host::Impl {
    std::filesystem::path path;
    std::optional<qbhost::CompanyFile> file;
    std::mutex mutex; // QuickBooks answers one call at a time
    std::set<std::string, std::less<>> tickets;
    std::mt19937_64 random{std::random_device{}()};

    HostFacts ReadHost() {
        try {
            sql::Transaction transaction(file->db(), sql::Transaction::Kind::Read);
            HostFacts host = file->ReadHost();
            transaction.Commit();
            return host;
        } catch (const sql::Error&) {
            throw qbfc::TransportError(kFileLocked, kStateErrors[4].description);
        }
    }

    void CheckTicket(std::string_view ticket) const {
        if (!tickets.contains(ticket))
            throw qbfc::TransportError(kInvalidTicket, "Invalid ticket parameter.");
    }

    std::string NewTicket() {
        char buffer[40];
        std::snprintf(buffer, sizeof buffer, "{%016llx-%016llx}",
                      static_cast<unsigned long long>(random()),
                      static_cast<unsigned long long>(random()));
        return buffer;
    }
};

Host::Host(const std::filesystem::path& companyFile) : m_impl(std::make_unique<Impl>()) {
    if (companyFile.empty())
        return;
    m_impl->file.emplace(qbhost::CompanyFile::Open(companyFile));
    m_impl->path = companyFile;
}

Host::~Host() = default;

const std::filesystem::path& Host::CompanyFile() const {
    return m_impl->path;
}

std::string Host::BeginSession(std::string_view companyFile, int openMode) {
    std::lock_guard lock(m_impl->mutex);
    if (openMode < 0 || openMode > 2)
        throw qbfc::TransportError(kInvalidArgument, "The parameter is incorrect.");
    if (!m_impl->file)
        Fail(HostState::NoFileOpen);
    // Read at every call so that the tool can change the state while the host runs.
    HostState state = m_impl->ReadHost().state;
    // Another user can hold the file only against a request for single-user access.
    if (state == HostState::SingleUserOther && openMode != kOpenModeSingleUser)
        state = HostState::None;
    if (state != HostState::None)
        Fail(state);
    if (!companyFile.empty() && !SameFile(std::filesystem::path(companyFile), m_impl->path))
        Fail(HostState::OtherFileOpen);
    std::string ticket = m_impl->NewTicket();
    m_impl->tickets.insert(ticket);
    return ticket;
}

std::vector<std::string> Host::QBXMLVersionsForSession(std::string_view ticket) {
    std::lock_guard lock(m_impl->mutex);
    m_impl->CheckTicket(ticket);
    HostFacts host = m_impl->ReadHost();
    std::vector<std::string> versions = host.versions;
    // A non-US edition names its country in the first entry, e.g. "CA3.0".
    if (!versions.empty() && !host.country.empty() && host.country != "US")
        versions.front() = host.country + versions.front();
    return versions;
}

std::string Host::ProcessRequest(std::string_view ticket, std::string_view requestXml) {
    std::lock_guard lock(m_impl->mutex);
    m_impl->CheckTicket(ticket);
    return RequestProcessor(*m_impl->file).Process(requestXml);
}

void Host::EndSession(std::string_view ticket) {
    std::lock_guard lock(m_impl->mutex);
    m_impl->CheckTicket(ticket);
    m_impl->tickets.erase(m_impl->tickets.find(ticket));
}

} // namespace qbhost
