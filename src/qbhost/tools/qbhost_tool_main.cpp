// qbhost-tool: creates and inspects company files for the QuickBooks stand-in.
#include "qbhost/company_description.h"
#include "qbhost/company_file.h"
#include "qbhost/qbxml_io.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Args = std::vector<std::string>;

struct Command {
    const char* name;
    const char* usage;
    const char* help;
    int (*run)(const Args& args);
};

bool TakeFlag(Args& args, const std::string& flag) {
    for (auto it = args.begin(); it != args.end(); ++it)
        if (*it == flag) {
            args.erase(it);
            return true;
        }
    return false;
}

std::string TakeOption(Args& args, const std::string& option) {
    for (auto it = args.begin(); it != args.end(); ++it)
        if (*it == option) {
            if (it + 1 == args.end())
                throw std::runtime_error(option + " needs a value");
            std::string value = *(it + 1);
            args.erase(it, it + 2);
            return value;
        }
    return {};
}

int Create(const Args& input) {
    Args args = input;
    bool force = TakeFlag(args, "--force");
    if (args.size() != 2)
        throw std::runtime_error("usage: create FILE DESCRIPTION.txt [--force]");
    std::ifstream in(args[1]);
    if (!in)
        throw std::runtime_error(args[1] + ": cannot read the description");
    std::stringstream text;
    text << in.rdbuf();
    if (force) {
        for (const char* suffix : {"", "-wal", "-shm"})
            std::filesystem::remove(args[0] + suffix);
    }
    std::filesystem::path file = args[0];
    try {
        qbhost::CompanyFile company = qbhost::CompanyFile::Create(file);
        qbhost::LoadDescription(company, text.str());
    } catch (const std::runtime_error& error) {
        // A company file without its description would later open as if it were whole; the
        // file is ours to remove unless it existed before (then Create refused it).
        std::string what = error.what();
        if (what.find("file exists") == std::string::npos)
            for (const char* suffix : {"", "-wal", "-shm"})
                std::filesystem::remove(file.string() + suffix);
        throw;
    }
    std::printf("created %s\n", args[0].c_str());
    return 0;
}

int AddPo(const Args& input) {
    Args args = input;
    if (args.empty())
        throw std::runtime_error("usage: add-po FILE --vendor NAME --date D [options]");
    std::string file = args.front();
    args.erase(args.begin());
    std::string text = "[po]\n";
    std::map<std::string, std::string> keys = {{"--ref", "ref"},       {"--vendor", "vendor"},
                                               {"--date", "date"},     {"--expected", "expected"},
                                               {"--memo", "memo"},     {"--terms", "terms"},
                                               {"--closed", "closed"}, {"--line", "line"},
                                               {"--group", "group"},   {"--member", "member"}};
    for (std::size_t i = 0; i < args.size(); i += 2) {
        auto key = keys.find(args[i]);
        if (key == keys.end() || i + 1 >= args.size())
            throw std::runtime_error("unknown or incomplete option " + args[i]);
        text += key->second + " = " + args[i + 1] + "\n";
    }
    qbhost::CompanyFile company = qbhost::CompanyFile::Open(file);
    qbhost::LoadDescription(company, text);
    std::printf("added a purchase order to %s\n", file.c_str());
    return 0;
}

int Generate(const Args& input) {
    Args args = input;
    std::string seed = TakeOption(args, "--seed");
    if (args.size() != 2)
        throw std::runtime_error("usage: generate FILE N [--seed S]");
    int count = std::stoi(args[1]);
    qbhost::CompanyFile company = qbhost::CompanyFile::Open(args[0]);
    qbhost::GeneratePurchaseOrders(company, count, seed.empty() ? 1 : std::stoull(seed));
    std::printf("generated %d purchase orders in %s\n", count, args[0].c_str());
    return 0;
}

int Show(const Args& input) {
    Args args = input;
    bool openOnly = TakeFlag(args, "--open");
    std::string from = TakeOption(args, "--from");
    std::string to = TakeOption(args, "--to");
    if (args.size() != 1)
        throw std::runtime_error("usage: show FILE [--open] [--from D] [--to D]");
    for (const auto& date : {from, to})
        if (!date.empty() && !qbhost::qbxml::IsValidDate(date))
            throw std::runtime_error(date + " is not a yyyy-mm-dd date");
    qbhost::CompanyFile company = qbhost::CompanyFile::Open(args[0]);
    qbhost::sql::Transaction transaction(company.db(), qbhost::sql::Transaction::Kind::Read);
    std::printf("%-10s %-10s %-24s %12s %12s %7s  %s\n", "Ref", "Date", "Vendor", "Amount", "Open",
                "Txn #", "State");
    for (const auto& id : company.PurchaseOrdersByDate(from, to)) {
        auto po = company.LoadPurchaseOrder(id);
        if (!po || (openOnly && !po->IsOpen()))
            continue;
        const char* state = po->isManuallyClosed    ? "closed"
                            : po->IsFullyReceived() ? "received"
                                                    : "open";
        std::printf("%-10s %-10s %-24s %12s %12s %7lld  %s\n", po->refNumber.c_str(),
                    po->txnDate.c_str(), po->vendor.fullName.c_str(),
                    qbhost::FormatAmount(po->TotalAmount()).c_str(),
                    qbhost::FormatAmount(po->OpenBalance()).c_str(),
                    static_cast<long long>(po->txnNumber), state);
    }
    transaction.Commit();
    return 0;
}

int SetState(const Args& args) {
    if (args.size() != 2)
        throw std::runtime_error("usage: set-state FILE STATE");
    qbhost::CompanyFile company = qbhost::CompanyFile::Open(args[0]);
    qbhost::sql::Transaction transaction(company.db(), qbhost::sql::Transaction::Kind::Write);
    qbhost::ApplySetting(company, "state", args[1]);
    transaction.Commit();
    return 0;
}

int Set(const Args& args) {
    if (args.size() != 3)
        throw std::runtime_error("usage: set FILE KEY VALUE");
    qbhost::CompanyFile company = qbhost::CompanyFile::Open(args[0]);
    qbhost::sql::Transaction transaction(company.db(), qbhost::sql::Transaction::Kind::Write);
    qbhost::ApplySetting(company, args[1], args[2]);
    transaction.Commit();
    return 0;
}

const Command kCommands[] = {
    {"create", "create FILE DESCRIPTION.txt [--force]",
     "Makes a company file from a description (see samples/README.md). Refuses an existing\n"
     "FILE unless --force is given.",
     Create},
    {"add-po",
     "add-po FILE --vendor NAME --date YYYY-MM-DD [--ref R] [--expected D] [--memo M]\n"
     "       [--terms T] [--closed true] --line 'ITEM | QTY | RATE [| DESC]' ...\n"
     "       [--group 'GROUP ITEM | QTY' --member 'ITEM | QTY | RATE' ...]",
     "Adds one purchase order; lines, groups and members keep the order given.", AddPo},
    {"generate", "generate FILE N [--seed S]",
     "Adds N made-up purchase orders over eight vendors and the dates of 2011; the same seed\n"
     "gives the same orders.",
     Generate},
    {"show", "show FILE [--open] [--from YYYY-MM-DD] [--to YYYY-MM-DD]",
     "Lists purchase orders: ref, date, vendor, amount, open balance, transaction number and\n"
     "whether it is open, closed or received.",
     Show},
    {"set-state", "set-state FILE STATE",
     "Sets what the host reports at BeginSession: none, no_file_open, other_file_open,\n"
     "other_mode, modal_dialog, file_locked, single_user_other. A running host sees it at\n"
     "the next BeginSession.",
     SetState},
    {"set", "set FILE KEY VALUE",
     "Keys: closing-date (date or none), exempt-po (true/false), dividing-date (date or none;\n"
     "sets the accountant's copy), accountant-copy, sample, product, country (US, CA, UK, OZ),\n"
     "versions ('1.0 2.0 ...'), state, file-mode, or a preference path such as\n"
     "AccountingPreferences.IsUsingClassTracking.",
     Set},
};

void Usage(std::FILE* out) {
    std::fprintf(out, "usage: qbhost-tool COMMAND ARGS... (qbhost-tool COMMAND --help)\n\n");
    for (const auto& command : kCommands)
        std::fprintf(out, "  %s\n", command.usage);
}

} // namespace

int main(int argc, char** argv) {
    Args args(argv + 1, argv + argc);
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        Usage(args.empty() ? stderr : stdout);
        return args.empty() ? 2 : 0;
    }
    for (const auto& command : kCommands) {
        if (args[0] != command.name)
            continue;
        Args rest(args.begin() + 1, args.end());
        if (TakeFlag(rest, "--help")) {
            std::printf("usage: qbhost-tool %s\n\n%s\n", command.usage, command.help);
            return 0;
        }
        try {
            return command.run(rest);
        } catch (const std::exception& error) {
            std::fprintf(stderr, "qbhost-tool %s: %s\n", command.name, error.what());
            return 1;
        }
    }
    std::fprintf(stderr, "qbhost-tool: unknown command \"%s\"\n", args[0].c_str());
    Usage(stderr);
    return 2;
}
