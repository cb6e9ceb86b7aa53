// Builds small company files for tests: a description assembled in code, written into a
// fresh file in a temporary folder that goes away with the builder.
//
//   CompanyBuilder company;
//   company.ClosingDate("2011-02-28")
//       .Po("1001", "2011-03-15", "Acme", {"Widget | 10 | 2.50"})
//       .Receive("1001", "2011-03-20", {"1 | 4"});
//   qbhost::Host host(company.Build());
#pragma once

#include "qbhost/company_description.h"
#include "qbhost/company_file.h"

#include <atomic>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <unistd.h>

namespace qbhost::testing {

class TempDir {
public:
    TempDir() {
        static std::atomic<int> serial{0};
        m_path = std::filesystem::temp_directory_path() /
                 ("qbhost-test-" + std::to_string(::getpid()) + "-" + std::to_string(serial++));
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

class CompanyBuilder {
public:
    CompanyBuilder() { m_company = "[company]\nname = Test Company\n"; }

    CompanyBuilder& Company(const std::string& key, const std::string& value) {
        m_company += key + " = " + value + "\n";
        return *this;
    }
    CompanyBuilder& Setting(const std::string& key, const std::string& value) {
        m_settings += key + " = " + value + "\n";
        return *this;
    }
    CompanyBuilder& ClosingDate(const std::string& date) { return Setting("closing_date", date); }
    CompanyBuilder& ExemptPo(bool on) {
        return Setting("exempt_po_from_closing_date", on ? "true" : "false");
    }
    CompanyBuilder& DividingDate(const std::string& date) {
        return Company("accountant_copy", "true").Company("dividing_date", date);
    }
    CompanyBuilder& Host(const std::string& key, const std::string& value) {
        m_host += key + " = " + value + "\n";
        return *this;
    }
    // Lines as the description writes them: "ITEM | QTY | RATE"; "group: KIT | QTY" and
    // "member: ITEM | QTY | RATE" for a line group.
    CompanyBuilder& Po(const std::string& ref, const std::string& date, const std::string& vendor,
                       std::initializer_list<std::string> lines, const std::string& extra = {}) {
        m_body += "[po]\nref = " + ref + "\ndate = " + date + "\nvendor = " + vendor + "\n";
        for (const auto& line : lines) {
            if (line.rfind("group: ", 0) == 0)
                m_body += "group = " + line.substr(7) + "\n";
            else if (line.rfind("member: ", 0) == 0)
                m_body += "member = " + line.substr(8) + "\n";
            else
                m_body += "line = " + line + "\n";
        }
        m_body += extra;
        return *this;
    }
    CompanyBuilder& Receive(const std::string& ref, const std::string& date,
                            std::initializer_list<std::string> lines,
                            const std::string& type = "ItemReceipt") {
        m_body += "[receipt]\npo = " + ref + "\ntype = " + type + "\ndate = " + date + "\nref = R" +
                  ref + "\n";
        for (const auto& line : lines)
            m_body += "receive = " + line + "\n";
        return *this;
    }
    CompanyBuilder& Raw(const std::string& text) {
        m_body += text;
        return *this;
    }

    std::string Text() const {
        std::string text = m_company;
        if (!m_settings.empty())
            text += "[preferences]\n" + m_settings;
        if (!m_host.empty())
            text += "[host]\n" + m_host;
        return text + m_body;
    }

    // Writes the company file (once per call; a second call makes another file).
    std::filesystem::path Build() {
        auto file = m_dir.path() / ("company" + std::to_string(m_files++) + ".qbw");
        CompanyFile company = CompanyFile::Create(file);
        LoadDescription(company, Text());
        return file;
    }
    const std::filesystem::path& dir() const { return m_dir.path(); }

private:
    TempDir m_dir;
    std::string m_company, m_settings, m_host, m_body;
    int m_files = 0;
};

} // namespace qbhost::testing
