// qbhost-tool and the description format: the sample company as the run script makes it,
// mistakes reported by line with nothing written, settings, and the generator.
#include "company_builder.h"
#include "host_fixture.h"

#include <array>
#include <cstdio>
#include <fstream>
#include <sys/wait.h>

namespace qbhost::testing {
namespace {

struct ToolRun {
    int status;
    std::string output;
};

ToolRun Tool(const std::string& args) {
    std::string command = std::string(QBHOST_TOOL) + " " + args + " 2>&1";
    ToolRun run{-1, {}};
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return run;
    std::array<char, 512> buffer;
    while (std::fgets(buffer.data(), buffer.size(), pipe))
        run.output += buffer.data();
    int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

std::string Quote(const std::filesystem::path& path) {
    return "'" + path.string() + "'";
}

const std::string kSample = std::string(MARROWICK_SOURCE_DIR) + "/samples/sample-company.txt";

TEST(CompanyTool, CreatesTheSampleCompanyAndShowsItsOrders) {
    TempDir dir;
    auto file = dir.path() / "sample.qbw";
    ToolRun create = Tool("create " + Quote(file) + " " + kSample);
    ASSERT_EQ(create.status, 0) << create.output;
    // A second create refuses to overwrite; --force replaces.
    EXPECT_NE(Tool("create " + Quote(file) + " " + kSample).status, 0);
    EXPECT_EQ(Tool("create " + Quote(file) + " " + kSample + " --force").status, 0);

    ToolRun all = Tool("show " + Quote(file));
    ASSERT_EQ(all.status, 0) << all.output;
    ToolRun open = Tool("show " + Quote(file) + " --open --from 2011-03-01 --to 2011-03-31");
    EXPECT_NE(open.output.find("1015"), std::string::npos) << open.output;
    EXPECT_EQ(open.output.find("2011-02-"), std::string::npos) << open.output;
    EXPECT_EQ(open.output.find("closed"), std::string::npos) << open.output;
    EXPECT_NE(all.output.find("closed"), std::string::npos);
    EXPECT_NE(all.output.find("received"), std::string::npos);

    // What the run script relies on, through the host.
    HostSession session(file);
    pugi::xml_node company = session.Send("<CompanyQueryRq/>").rs.child("CompanyRet");
    EXPECT_EQ(Text(company, "IsSampleCompany"), "true");
    EXPECT_EQ(Text(company, "AccountantCopy/DividingDate"), "2011-01-31");
    Answer prefs = session.Send("<PreferencesQueryRq/>");
    EXPECT_EQ(Text(prefs.rs, "PreferencesRet/AccountingPreferences/ClosingDate"), "2011-02-28");
    Answer group = session.Send(QueryByRef("1015"));
    EXPECT_TRUE(group.rs.first_element_by_path("PurchaseOrderRet/PurchaseOrderLineGroupRet"));
}

TEST(CompanyTool, SettingsAndStatesChangeTheFile) {
    CompanyBuilder builder;
    builder.Po("1", "2011-03-15", "Acme", {"Widget | 10 | 2.50"});
    auto file = builder.Build();
    struct {
        std::string args;
        int status;
    } cases[] = {
        {"set-state " + Quote(file) + " modal_dialog", 0},
        {"set-state " + Quote(file) + " sleeping", 1},
        {"set " + Quote(file) + " closing-date 2011-03-31", 0},
        {"set " + Quote(file) + " closing-date 2011-02-30", 1},
        {"set " + Quote(file) + " country CA", 0},
        {"set " + Quote(file) + " country FR", 1},
        {"set " + Quote(file) + " AccountingPreferences.IsUsingClassTracking yes", 1},
        {"set " + Quote(file) + " colour blue", 1},
        {"show " + Quote(file.parent_path() / "missing.qbw"), 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Tool(c.args).status, c.status) << c.args;
    CompanyFile company = CompanyFile::Open(file);
    EXPECT_EQ(company.ReadHost().state, HostState::ModalDialog);
    EXPECT_EQ(company.ReadHost().country, "CA");
    EXPECT_EQ(company.Preference("AccountingPreferences.ClosingDate"), "2011-03-31");
}

TEST(CompanyTool, AddPoAndGenerateAreDeterministic) {
    TempDir dir;
    std::ofstream(dir.path() / "empty.txt") << "[company]\nname = Empty\n";
    std::string made[2];
    for (int i = 0; i < 2; ++i) {
        auto file = dir.path() / ("gen" + std::to_string(i) + ".qbw");
        ASSERT_EQ(Tool("create " + Quote(file) + " " + Quote(dir.path() / "empty.txt")).status, 0);
        EXPECT_EQ(Tool("generate " + Quote(file) + " 25 --seed 42").status, 0);
        ToolRun add =
            Tool("add-po " + Quote(file) +
                 " --vendor 'New Vendor' --date 2011-07-01 --ref X1 --line 'Nails | 3 | 1.10'");
        EXPECT_EQ(add.status, 0) << add.output;
        made[i] = Tool("show " + Quote(file)).output;
    }
    EXPECT_EQ(made[0], made[1]);
    EXPECT_NE(made[0].find("X1         2011-07-01 New Vendor"), std::string::npos) << made[0];
    EXPECT_EQ(std::count(made[0].begin(), made[0].end(), '\n'), 27);
}

TEST(CompanyDescription, MistakesNameTheirLineAndWriteNothing) {
    struct {
        const char* text;
        const char* line;
    } cases[] = {
        {"[company]\nname = X\n[po]\nvendor = A\ndate = 2011-02-30\n", "line 5"},
        {"[company]\nname = X\nbogus line\n", "line 3"},
        {"name = X\n", "line 1"},
        {"[po]\nvendor = A\ndate = 2011-01-01\nline = W | ten\n", "line 4"},
        {"[po]\nvendor = A\ndate = 2011-01-01\nline = W | 1 | 1\n[receipt]\npo = 1\n", "line 5"},
        {"[po]\nvendor = A\ndate = 2011-01-01\nmember = W | 1 | 1\n", "line 1"},
        {"[weather]\nsky = blue\n", "line 1"},
        {"[po]\nvendor = A\n", "line 1"},
    };
    for (const auto& c : cases) {
        TempDir dir;
        CompanyFile file = CompanyFile::Create(dir.path() / "c.qbw");
        try {
            LoadDescription(file, c.text);
            ADD_FAILURE() << "accepted: " << c.text;
        } catch (const std::runtime_error& error) {
            EXPECT_EQ(std::string(error.what()).rfind(c.line, 0), 0u)
                << c.text << " -> " << error.what();
        }
        EXPECT_EQ(file.db().QueryInt("SELECT count(*) FROM purchase_orders"), 0);
        EXPECT_EQ(file.db().QueryInt("SELECT count(*) FROM vendors"), 0);
    }
}

} // namespace
} // namespace qbhost::testing
