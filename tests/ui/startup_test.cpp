// Start-up over the shipped reference data: the window opens, calculates and
// shows its first results each time. The time from making the window to its
// first results on screen is printed (no limit is checked here).
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "support/temp_dir.h"
#include "ui_support.h"

namespace kelvara::ui {
namespace {

namespace fs = std::filesystem;

TEST(StartUp, OpensOverTheShippedDataAndShowsResults) {
    kelvara::testing::TempDir dir;
    fs::copy(fs::path(KELVARA_SOURCE_DIR) / "data", dir.path(), fs::copy_options::recursive);
    const fs::path program = dir.path() / "Kelvara";
    fs::create_directories(program);

    std::vector<double> ms;
    for (int run = 0; run < 20; ++run) {
        QElapsedTimer timer;
        timer.start();
        MainWindow window;
        std::vector<Text> shown;
        window.setMessageHook([&](TextView, TextView text, View::Buttons) {
            shown.emplace_back(text);
            return View::Answer::Ok;
        });
        ASSERT_TRUE(window.Open(program));
        window.show();
        QCoreApplication::processEvents();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        ms.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);

        EXPECT_TRUE(shown.empty()) << run;
        EXPECT_GT(window.ListCount(ctl::kMaterialList), 5) << run;
        EXPECT_FALSE(window.GetText(ctl::kResAL).empty()) << run;
        EXPECT_FALSE(window.GetText(ctl::kResFMin).empty()) << run;
        EXPECT_EQ(window.GetText(ctl::kCoreList), u"E 40/16/12") << run;
        window.hide();
    }
    std::sort(ms.begin(), ms.end());
    std::printf("start-up to first results: median %.1f ms, min %.1f ms, max %.1f ms (%zu runs)\n",
                ms[ms.size() / 2], ms.front(), ms.back(), ms.size());
}

}  // namespace
}  // namespace kelvara::ui
