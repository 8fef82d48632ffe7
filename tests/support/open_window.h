// A main window opened through a headless view on a small test data root.
#pragma once

#include <gtest/gtest.h>

#include "support/data_root.h"
#include "window/headless_view.h"
#include "window/kelvara_dlg.h"

namespace kelvara::testing {

class OpenWindow : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(dlg.Open(data.program())); }

    // What a user's click on a shape radio does.
    void ClickShape(int id) {
        view.ClickRadio(
            id, {ctl::kShapeE, ctl::kShapeEI, ctl::kShapeER, ctl::kShapeETD, ctl::kShapeOther});
        dlg.OnShapeChanged();
    }

    DataRoot data;
    HeadlessView view;
    CKelvaraDlg dlg{view};
};

}  // namespace kelvara::testing
