// The default design on the shipped data, through the main window's road.
#include <gtest/gtest.h>

#include "data/shipped_data.h"
#include "designs/design_file.h"
#include "support/temp_dir.h"
#include "window/headless_view.h"
#include "window/kelvara_dlg.h"

namespace kelvara {
namespace {

namespace fs = std::filesystem;

TEST(ShippedData, DefaultDesignComputesWithoutACheckOrDropMessage) {
    // A copy, so the program's own files are made there, not in the sources.
    testing::TempDir dir;
    fs::copy(testing::DataRoot(), dir.path(), fs::copy_options::recursive);
    fs::remove(dir / "Kelvara" / "Kelvara.ini");
    HeadlessView view;
    CKelvaraDlg dlg(view);
    ASSERT_TRUE(dlg.Open(dir / "Kelvara"));
    for (const auto& m : view.messages)
        ADD_FAILURE() << ToUtf8(m.caption) << ": " << ToUtf8(m.text);
    EXPECT_TRUE(dlg.lastRunCompleted());
    EXPECT_EQ(dlg.inputs().core, u"E 40/16/12");
    EXPECT_EQ(dlg.inputs().mater, u"N87 Epcos");
    EXPECT_GT(dlg.material().mu, 1000);
    EXPECT_NE(view.GetText(ctl::kResLossW), u"?????");
    EXPECT_NE(view.GetText(ctl::kResFMin), u"?");
    EXPECT_NE(view.GetText(ctl::kResFMax), u"?");
}

TEST(ShippedData, ExampleDesignHoldsTheDefaults) {
    EXPECT_EQ(testing::ReadBytes(testing::DataRoot() / "Kelvara" / u8"Пример.sav"),
              DesignFileBytes(DesignInputs{}));
}

}  // namespace
}  // namespace kelvara
