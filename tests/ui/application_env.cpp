// The one QApplication of the window tests, made before the first test with
// the program's own look. Without a display the offscreen platform is used.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

#include "ui/kelvara_app.h"

namespace {

class QtApplicationEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        // The language and other per-user settings go to a folder of the
        // tests' own, never to the user's.
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(settings_.path()));
        app_ = std::make_unique<QApplication>(argc_, argv_);
        kelvara::ui::ApplyLook(*app_);
    }
    void TearDown() override { app_.reset(); }

  private:
    int argc_ = 1;
    char name_[9] = "ui_tests";
    char* argv_[2] = {name_, nullptr};
    QTemporaryDir settings_;
    std::unique_ptr<QApplication> app_;
};

[[maybe_unused]] ::testing::Environment* const kQtEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

}  // namespace
