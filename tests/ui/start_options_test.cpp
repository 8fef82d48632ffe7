// The built window started with its command line: the design it opens,
// --start-check prints what the window shows (the options themselves:
// tests/window/start_options_test.cpp).
#include <gtest/gtest.h>

#include <cstdio>
#include <ostream>
#include <string>
#include <vector>

#include "designs/design_file.h"
#include "support/data_root.h"
#include "ui/kelvara_app.h"
#include "window/headless_view.h"
#include "window/kelvara_dlg.h"

#if defined(__unix__)
#include <sys/wait.h>
#endif

namespace kelvara::ui {
namespace {

namespace fs = std::filesystem;

#if defined(__unix__)

struct WindowRun {
    int status = -1;
    std::string out;
};

std::string Quote(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

// The built window in `cwd` with a home of its own and the offscreen platform.
WindowRun RunWindow(const fs::path& cwd, const fs::path& home, const std::string& env,
                    const std::vector<std::string>& args) {
    std::string cmd = "cd " + Quote(cwd.string()) +
                      " && env -u KELVARA_HOME -u XDG_DATA_HOME QT_QPA_PLATFORM=offscreen HOME=" +
                      Quote(home.string()) + " " + env + " " + Quote(KELVARA_WINDOW_PATH);
    for (const auto& a : args) cmd += " " + Quote(a);
    cmd += " 2>/dev/null";
    WindowRun r;
    FILE* p = popen(cmd.c_str(), "r");
    if (!p) return r;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0) r.out.append(buf, n);
    const int status = pclose(p);
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

std::string Line(const Text& label, const Text& value, const Text& unit) {
    std::string line = ToUtf8(label) + ": " + ToUtf8(value);
    if (!unit.empty()) line += " " + ToUtf8(unit);
    return line + "\n";
}

// What the window must show for a design: the same road without a display.
std::string ExpectedRows(const fs::path& program, const fs::path& design) {
    HeadlessView view;
    CKelvaraDlg dlg(view);
    EXPECT_TRUE(dlg.Open(program));
    EXPECT_TRUE(dlg.OpenDesign(design));
    std::string rows = Line(view.GetText(ctl::kGapLabel), view.GetText(ctl::kResGapReq),
                            view.GetText(ctl::kGapUnit));
    for (const ResultRowDef& r : kResultRowDefs) {
        rows += Line(Text(r.label), view.GetText(r.valueId),
                     r.unitId != 0 ? view.GetText(r.unitId) : Text(r.unit));
    }
    return rows;
}

TEST(WindowCommandLine, OpensTheDesignItNamesAndShowsItsResults) {
    kelvara::testing::DataRoot data;
    kelvara::testing::TempDir home;
    kelvara::testing::TempDir elsewhere;
    DesignInputs design;
    design.Fr = u"120";
    design.core = u"ETD 34";
    ASSERT_TRUE(WriteDesignFile(elsewhere / "d.sav", design));
    // The expected rows come from a copy, so the window's own start is fresh.
    kelvara::testing::DataRoot reference;
    const std::string rows = ExpectedRows(reference.program(), elsewhere / "d.sav");
    ASSERT_NE(rows.find("кГц"), std::string::npos);

    const WindowRun r = RunWindow(data.program(), home.path(), "",
                                  {"--start-check", (elsewhere / "d.sav").string()});
    EXPECT_EQ(r.status, 0) << r.out;
    EXPECT_NE(r.out.find("Program folder: " + data.program().string() + "\n"), std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find(rows), std::string::npos) << r.out << "\nexpected:\n" << rows;
    // Started in a program folder, the home was not touched.
    EXPECT_TRUE(fs::is_empty(home.path()));
}

TEST(WindowCommandLine, OutsideAProgramFolderUsesKelvaraHome) {
    kelvara::testing::DataRoot data;
    kelvara::testing::TempDir home;
    kelvara::testing::TempDir elsewhere;
    const WindowRun r = RunWindow(elsewhere.path(), home.path(),
                                  "KELVARA_HOME=" + Quote(data.root().string()), {"--start-check"});
    EXPECT_EQ(r.status, 0) << r.out;
    EXPECT_NE(r.out.find("Program folder: " + (data.root() / "Kelvara").string() + "\n"),
              std::string::npos)
        << r.out;
    EXPECT_TRUE(fs::exists(data.program() / "Kelvara.ini"));
}

TEST(WindowCommandLine, MissingDataAndBadOptionsFail) {
    kelvara::testing::TempDir home;
    kelvara::testing::TempDir elsewhere;
    // No program folder, no installed data beside the built program: the
    // per-user root is made but holds no wire table, which is said.
    const WindowRun r = RunWindow(elsewhere.path(), home.path(), "", {"--start-check"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.out.find("Wire.txt"), std::string::npos) << r.out;
    EXPECT_TRUE(fs::is_directory(home / ".local" / "share" / "Kelvara" / "Kelvara"));

    EXPECT_EQ(RunWindow(elsewhere.path(), home.path(), "", {"--bogus"}).status, 2);
    const WindowRun help = RunWindow(elsewhere.path(), home.path(), "", {"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("--start-check"), std::string::npos);
}

#endif

}  // namespace
}  // namespace kelvara::ui
