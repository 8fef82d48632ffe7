// The window's command line, shared by both front ends: the options, the
// help text, and what --start-check prints.
#include "window/start_options.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "support/open_window.h"

namespace kelvara {
namespace {

namespace fs = std::filesystem;

struct OptionsCase {
    const char* name;
    std::vector<const char*> args;
    bool help, version, startCheck;
    const char* design;  // nullptr: none
    bool error;
};

// Test names show the case's name.
void PrintTo(const OptionsCase& c, std::ostream* os) {
    *os << c.name;
}

class StartOptionsTable : public ::testing::TestWithParam<OptionsCase> {};

TEST_P(StartOptionsTable, Parse) {
    const OptionsCase& c = GetParam();
    std::vector<fs::path> args(c.args.begin(), c.args.end());
    const StartOptions o = ParseStartOptions(args);
    EXPECT_EQ(o.help, c.help);
    EXPECT_EQ(o.version, c.version);
    EXPECT_EQ(o.startCheck, c.startCheck);
    EXPECT_EQ(o.designFile.has_value(), c.design != nullptr);
    if (c.design && o.designFile) {
        EXPECT_EQ(*o.designFile, fs::path(c.design));
    }
    EXPECT_EQ(!o.error.empty(), c.error) << o.error;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StartOptionsTable,
    ::testing::Values(
        OptionsCase{"Nothing", {}, false, false, false, nullptr, false},
        OptionsCase{"Design", {"a.sav"}, false, false, false, "a.sav", false},
        OptionsCase{"CheckAndDesign",
                    {"--start-check", "/x/a b.sav"},
                    false,
                    false,
                    true,
                    "/x/a b.sav",
                    false},
        OptionsCase{
            "DesignBeforeOption", {"a.sav", "--start-check"}, false, false, true, "a.sav", false},
        OptionsCase{"Help", {"--help"}, true, false, false, nullptr, false},
        OptionsCase{"ShortHelp", {"-h"}, true, false, false, nullptr, false},
        OptionsCase{"Version", {"--version"}, false, true, false, nullptr, false},
        OptionsCase{"DashesEndOptions",
                    {"--", "--start-check"},
                    false,
                    false,
                    false,
                    "--start-check",
                    false},
        OptionsCase{"LoneDashIsAName", {"-"}, false, false, false, "-", false},
        OptionsCase{"UnknownOption", {"--bogus", "a.sav"}, false, false, false, "a.sav", true},
        OptionsCase{"TwoDesigns", {"a.sav", "b.sav"}, false, false, false, "a.sav", true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WindowUsage, NamesTheOptionsAndThisSystemsUserRoot) {
    const std::string_view usage = WindowUsage();
    for (const char* option : {"--start-check", "--version", "--help", "DESIGN_FILE"}) {
        EXPECT_NE(usage.find(option), std::string_view::npos) << option;
    }
#if defined(_WIN32)
    EXPECT_NE(usage.find("%APPDATA%\\Kelvara"), std::string_view::npos);
#else
    EXPECT_NE(usage.find("~/.local/share/Kelvara"), std::string_view::npos);
#endif
    EXPECT_EQ(usage.back(), '\n');
}

using StartCheck = testing::OpenWindow;

// The report reads the controls back: every row, in the results group's order,
// with the unit the calculation put into the unit controls.
TEST_F(StartCheck, ReportsEveryResultRowFromTheControls) {
    const std::string report = StartCheckReport(data.program(), u"Окно", true, view);
    std::vector<std::string> lines;
    for (size_t at = 0; at < report.size();) {
        const size_t end = report.find('\n', at);
        ASSERT_NE(end, std::string::npos);
        lines.push_back(report.substr(at, end - at));
        at = end + 1;
    }
    ASSERT_EQ(lines.size(), 3 + kResultRowDefs.size());
    EXPECT_EQ(lines[0], "Program folder: " + PrintedPath(data.program()));
    EXPECT_EQ(lines[1], "Window: Окно");
    EXPECT_EQ(lines[2], "Требуемый немагнитный зазор, не менее: " +
                            ToUtf8(view.GetText(ctl::kResGapReq)) + " мм");
    EXPECT_EQ(lines[3],
              "Индуктивность сердечника (AL), нГн/виток^2: " + ToUtf8(view.GetText(ctl::kResAL)));
    // Lm's unit comes from its unit control.
    EXPECT_EQ(lines[3 + 10],
              "Индуктив. намагнич. первич. обмотки Lm: " + ToUtf8(view.GetText(ctl::kResLm)) + " " +
                  ToUtf8(view.GetText(ctl::kResLmUnit)));
    EXPECT_FALSE(view.GetText(ctl::kResLmUnit).empty());

    // In AL mode the first row is the largest AL, without a unit; a window
    // that was not shown says so.
    view.SetText(ctl::kGapLabel, Text(kALReqLabel));
    view.SetText(ctl::kGapUnit, u"");
    const std::string al = StartCheckReport(data.program(), u"Окно", false, view);
    EXPECT_NE(al.find("Window: Окно (not shown)\n"), std::string::npos);
    EXPECT_NE(
        al.find("\n" + ToUtf8(kALReqLabel) + ": " + ToUtf8(view.GetText(ctl::kResGapReq)) + "\n"),
        std::string::npos);
}

}  // namespace
}  // namespace kelvara
