// Adding a core to the user's database, through a headless view.
#include <gtest/gtest.h>

#include "designs/design_file.h"
#include "support/open_window.h"
#include "window/headless_view.h"
#include "window/kelvara_dlg.h"

namespace kelvara {
namespace {

namespace fs = std::filesystem;
using testing::DataRoot;

class AddCore : public testing::OpenWindow {
  protected:
    void EnterSizeMode() {
        view.SetChecked(ctl::kAddBySize, true);
        dlg.OnAddBySize();
    }
    void EnterDataMode() {
        view.SetChecked(ctl::kAddByData, true);
        dlg.OnAddByData();
    }
    void TypeDimensions(const char16_t* A, const char16_t* B, const char16_t* C, const char16_t* D,
                        const char16_t* H, const char16_t* h, const char16_t* I = u"") {
        view.Type(ctl::kDimA, A);
        view.Type(ctl::kDimB, B);
        view.Type(ctl::kDimC, C);
        view.Type(ctl::kDimD, D);
        view.Type(ctl::kDimH, H);
        view.Type(ctl::kDimh, h);
        view.Type(ctl::kDimI, I);
    }
    // The adding itself reports nothing (the calculation may still warn).
    void ExpectNoAddingMessage() const {
        for (const auto& m : view.messages) {
            EXPECT_EQ(m.text.find(u"Вы забыли"), Text::npos) << ToUtf8(m.text);
            EXPECT_EQ(m.text.find(u"Не удалось"), Text::npos) << ToUtf8(m.text);
        }
    }
    std::string UserFile() const {
        return testing::ReadBytes(data.root() / "Bases_Cores" / "UserFerritesCores.txt");
    }
};

TEST_F(AddCore, SizeModeEnablesTheDimensionEditsAndEmptiesTheFields) {
    EnterSizeMode();
    for (int id :
         {ctl::kMu, ctl::kDimA, ctl::kDimB, ctl::kDimC, ctl::kDimD, ctl::kDimH, ctl::kDimh}) {
        EXPECT_TRUE(view.IsEnabled(id)) << id;
    }
    for (int id : {ctl::kDimI, ctl::kAe, ctl::kAn, ctl::kLe, ctl::kVe})
        EXPECT_FALSE(view.IsEnabled(id)) << id;
    EXPECT_EQ(view.GetText(ctl::kAe), u"");
    EXPECT_EQ(view.GetText(ctl::kCoreList), u"");
    EXPECT_EQ(view.ListSelection(ctl::kCoreList), -1);
    EXPECT_GT(view.pictureInvalidations, 0);
    // Core selections and typing in the core list change nothing meanwhile.
    view.Type(ctl::kCoreList, u"25/13/7");
    dlg.OnCoreTextEdited();
    EXPECT_EQ(view.GetText(ctl::kCoreList), u"25/13/7");
}

TEST_F(AddCore, ECoreByItsDimensions) {
    EnterSizeMode();
    view.Type(ctl::kCoreList, u"25/13/7x");
    view.Type(ctl::kMu, u"1800");
    TypeDimensions(u"25", u"17.5", u"7,5", u"7.5", u"12.5", u"8.7");
    const auto before = UserFile();
    dlg.OnAddCore();
    ExpectNoAddingMessage();
    // The exact record, UTF-16 little-endian without a mark.
    const Text record =
        u"[E 25/13/7x]\r\nAe = 56.25\r\nAn = 69.60\r\nle = 56.1\r\nmu = 1800\r\n\r\n";
    EXPECT_EQ(UserFile(), before + testing::Utf16Bytes(record, false));
    // Listed and selected, its data read back, the calculation run.
    EXPECT_EQ(view.GetText(ctl::kCoreList), u"E 25/13/7x");
    EXPECT_EQ(view.GetText(ctl::kAe), u"56.25");
    EXPECT_EQ(view.GetText(ctl::kLe), u"56.1");
    EXPECT_EQ(dlg.coreRecord().An, 69.6);
    EXPECT_TRUE(dlg.lastRunCompleted());
    EXPECT_FALSE(view.IsChecked(ctl::kAddBySize));
    for (int id : kCoreDataEdits) EXPECT_FALSE(view.IsEnabled(id)) << id;
    EXPECT_EQ(view.GetText(ctl::kDimA), u"");
}

TEST_F(AddCore, EiAndEtdFormulas) {
    ClickShape(ctl::kShapeEI);
    EnterSizeMode();
    EXPECT_TRUE(view.IsEnabled(ctl::kDimI));
    view.Type(ctl::kCoreList, u"EI 25x");
    view.Type(ctl::kMu, u"1800");
    TypeDimensions(u"25", u"17.5", u"7.5", u"7.5", u"12.5", u"8.7", u"3");
    dlg.OnAddCore();
    const Text record = u"[EI 25x]\r\nAe = 56.25\r\nAn = 34.80\r\nle = 38.3\r\nmu = 1800\r\n\r\n";
    ASSERT_GE(dlg.coreText().size(), record.size());
    EXPECT_EQ(dlg.coreText().substr(dlg.coreText().size() - record.size()), record);

    ClickShape(ctl::kShapeETD);
    EnterSizeMode();
    view.Type(ctl::kCoreList, u"30/15");
    view.Type(ctl::kMu, u"2000");
    TypeDimensions(u"30", u"22", u"10", u"10", u"15", u"11");
    dlg.OnAddCore();
    EXPECT_EQ(dlg.inputs().core, u"ETD 30/15");
    EXPECT_EQ(view.GetText(ctl::kAe), u"78.54");
}

TEST_F(AddCore, NameAlreadyHoldingThePrefixIsKept) {
    EnterSizeMode();
    view.Type(ctl::kCoreList, u"E 30");
    view.Type(ctl::kMu, u"1800");
    TypeDimensions(u"30", u"20", u"7", u"7", u"15", u"10");
    dlg.OnAddCore();
    EXPECT_EQ(dlg.inputs().core, u"E 30");
}

// "E 40" begins the name of the shipped "E 40/16/12": wherever a core is
// selected by name, an equal entry wins over the first that begins with it.
TEST_F(AddCore, ACoreIsSelectedByItsExactNameFirst) {
    EnterDataMode();
    view.Type(ctl::kCoreList, u"40");
    view.Type(ctl::kMu, u"1970");
    view.Type(ctl::kAe, u"150");  // "E 40/16/12" has 149
    view.Type(ctl::kAn, u"185");
    view.Type(ctl::kLe, u"77");
    dlg.OnAddCore();
    ExpectNoAddingMessage();
    EXPECT_EQ(view.GetText(ctl::kCoreList), u"E 40");
    EXPECT_EQ(dlg.coreRecord().Ae, 150);
    dlg.OnExit();

    HeadlessView nextView;
    CKelvaraDlg next(nextView);
    ASSERT_TRUE(next.Open(data.program()));  // remembers "E 40"
    EXPECT_EQ(next.inputs().core, u"E 40");
    EXPECT_EQ(nextView.GetText(ctl::kAe), u"150");

    struct Case {
        const char16_t* named;
        const char16_t* selected;
    };
    for (const Case c : {Case{u"E 40/16/12", u"E 40/16/12"}, Case{u"E 40", u"E 40"},
                         Case{u"E 40/1", u"E 40/16/12"}, Case{u"E 4", u"E 40/16/12"}}) {
        DesignInputs design;
        design.core = c.named;
        ASSERT_TRUE(WriteDesignFile(data.program() / "d.sav", design));
        nextView.openPicker = [](const fs::path&) { return std::optional<Text>(u"d.sav"); };
        next.OnLoad();
        EXPECT_EQ(next.inputs().core, c.selected) << ToUtf8(c.named);
    }
    for (const auto& m : nextView.messages) {
        EXPECT_EQ(m.text.find(u"не найден"), Text::npos) << ToUtf8(m.text);
    }
}

TEST_F(AddCore, DataModeWritesTheTypedTexts) {
    EnterDataMode();
    for (int id : {ctl::kAe, ctl::kAn, ctl::kLe, ctl::kMu}) EXPECT_TRUE(view.IsEnabled(id)) << id;
    EXPECT_FALSE(view.IsEnabled(ctl::kDimA));
    view.Type(ctl::kCoreList, u"41/17/12");
    view.Type(ctl::kMu, u"2000,5");
    view.Type(ctl::kAe, u"52,5");
    view.Type(ctl::kAn, u"80");
    view.Type(ctl::kLe, u"57.5");
    const auto before = UserFile();
    dlg.OnAddCore();
    EXPECT_EQ(UserFile(), before + testing::Utf16Bytes(u"[E 41/17/12]\r\nAe = 52,5\r\nAn = 80\r\n"
                                                       u"le = 57.5\r\nmu = 2000,5\r\n\r\n",
                                                       false));
    EXPECT_EQ(view.GetText(ctl::kAe), u"52.5");
    EXPECT_EQ(view.GetText(ctl::kVe), u"3.019");
    EXPECT_EQ(dlg.coreRecord().mu, 2000);
}

TEST_F(AddCore, OtherFamilyNameBeginningWithEIsWrittenButNotListed) {
    ClickShape(ctl::kShapeOther);
    EnterDataMode();
    view.Type(ctl::kCoreList, u"EFD 99");
    view.Type(ctl::kMu, u"1500");
    view.Type(ctl::kAe, u"10");
    view.Type(ctl::kAn, u"10");
    view.Type(ctl::kLe, u"10");
    const int runs = dlg.calculationsRun();
    dlg.OnAddCore();
    EXPECT_NE(UserFile().find(testing::Utf16Bytes(u"[EFD 99]", false)), std::string::npos);
    EXPECT_EQ(view.ListSelection(ctl::kCoreList), -1);
    EXPECT_EQ(dlg.calculationsRun(), runs);
}

struct MissingCase {
    const char16_t* name;
    const char16_t* mu;
    const char16_t* A;
    const char16_t* message;
};

class AddCoreValidation : public AddCore, public ::testing::WithParamInterface<MissingCase> {};

TEST_P(AddCoreValidation, ReportsAndChangesNothing) {
    EnterSizeMode();
    view.Type(ctl::kCoreList, GetParam().name);
    view.Type(ctl::kMu, GetParam().mu);
    TypeDimensions(GetParam().A, u"17.5", u"7.5", u"7.5", u"12.5", u"8.7");
    const Text coreText = dlg.coreText();
    const auto file = UserFile();
    dlg.OnAddCore();
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].caption, u"Внимание!");
    EXPECT_EQ(view.messages[0].text, GetParam().message);
    EXPECT_EQ(dlg.coreText(), coreText);
    EXPECT_EQ(UserFile(), file);
    EXPECT_TRUE(view.IsChecked(ctl::kAddBySize));
}

INSTANTIATE_TEST_SUITE_P(
    Messages, AddCoreValidation,
    ::testing::Values(MissingCase{u"", u"1800", u"25",
                                  u"Вы забыли перед добавлением ввести название сердечника."},
                      MissingCase{u"25/13/7", u"", u"25",
                                  u"Вы забыли перед добавлением ввести магнитную проницаемость."},
                      MissingCase{u"25/13/7", u"1800", u"",
                                  u"Вы забыли перед добавлением ввести все размеры."}));

TEST_F(AddCore, ShapeSwitchedAfterEnteringTheModeKeepsIDisabled) {
    EnterSizeMode();
    ClickShape(ctl::kShapeEI);
    EXPECT_FALSE(view.IsEnabled(ctl::kDimI));
    view.Type(ctl::kCoreList, u"25");
    view.Type(ctl::kMu, u"1800");
    TypeDimensions(u"25", u"17.5", u"7.5", u"7.5", u"12.5", u"8.7");
    dlg.OnAddCore();
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].text, u"Вы забыли перед добавлением ввести все размеры.");
}

TEST_F(AddCore, DataModeNeedsAllThreeData) {
    EnterDataMode();
    view.Type(ctl::kCoreList, u"X");
    view.Type(ctl::kMu, u"1800");
    view.Type(ctl::kAe, u"50");
    dlg.OnAddCore();
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].text, u"Вы забыли перед добавлением ввести все данные.");
}

TEST_F(AddCore, OtherFamilyCannotEnterTheSizeMode) {
    ClickShape(ctl::kShapeOther);
    EnterSizeMode();
    EXPECT_FALSE(view.IsChecked(ctl::kAddBySize));
    EXPECT_FALSE(view.IsEnabled(ctl::kDimA));
}

TEST_F(AddCore, LeavingEitherModeRestoresTheCoreShownBefore) {
    EnterSizeMode();
    view.SetChecked(ctl::kAddBySize, false);
    dlg.OnAddBySize();
    EXPECT_EQ(view.GetText(ctl::kCoreList), u"E 40/16/12");
    EXPECT_EQ(view.GetText(ctl::kAe), u"149");
    EXPECT_FALSE(view.IsEnabled(ctl::kMu));

    EnterDataMode();
    EXPECT_EQ(view.GetText(ctl::kAe), u"");
    const int runs = dlg.calculationsRun();
    view.SetChecked(ctl::kAddByData, false);
    dlg.OnAddByData();
    EXPECT_EQ(view.GetText(ctl::kCoreList), u"E 40/16/12");
    EXPECT_EQ(view.GetText(ctl::kAe), u"149");
    for (int id : {ctl::kAe, ctl::kAn, ctl::kLe, ctl::kMu}) EXPECT_FALSE(view.IsEnabled(id)) << id;
    EXPECT_EQ(dlg.calculationsRun(), runs + 1);
}

TEST_F(AddCore, UnwritableUserFileChangesNothing) {
    const fs::path user = data.root() / "Bases_Cores" / "UserFerritesCores.txt";
    fs::remove(user);
    fs::create_directories(user);  // a folder in its place can be neither opened nor created
    EnterDataMode();
    view.Type(ctl::kCoreList, u"E 99");
    view.Type(ctl::kMu, u"1800");
    view.Type(ctl::kAe, u"50");
    view.Type(ctl::kAn, u"50");
    view.Type(ctl::kLe, u"50");
    const Text coreText = dlg.coreText();
    dlg.OnAddCore();
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].text, u"Не удалось записать файл \"UserFerritesCores.txt\".");
    EXPECT_EQ(dlg.coreText(), coreText);
    EXPECT_TRUE(fs::is_directory(user));
    EXPECT_TRUE(view.IsChecked(ctl::kAddByData));
}

TEST_F(AddCore, MissingUserFileIsCreated) {
    fs::remove(data.root() / "Bases_Cores" / "UserFerritesCores.txt");
    EnterDataMode();
    view.Type(ctl::kCoreList, u"50/1");
    view.Type(ctl::kMu, u"1800");
    view.Type(ctl::kAe, u"50");
    view.Type(ctl::kAn, u"50");
    view.Type(ctl::kLe, u"50");
    dlg.OnAddCore();
    ExpectNoAddingMessage();
    EXPECT_EQ(UserFile(),
              testing::Utf16Bytes(u"[E 50/1]\r\nAe = 50\r\nAn = 50\r\nle = 50\r\nmu = 1800\r\n\r\n",
                                  false));
    EXPECT_EQ(view.GetText(ctl::kCoreList), u"E 50/1");
}

}  // namespace
}  // namespace kelvara
