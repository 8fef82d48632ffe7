// Adding a core to the user's database, and loading and saving designs, driven
// through the real window: clicks on the checkboxes, radios and buttons, keys
// typed into the core list and the edits, the real file pickers answered with
// the mouse and the keyboard.
#include <QDialog>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <cctype>
#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "calc/design_inputs.h"
#include "designs/design_file.h"
#include "ui/file_dialogs.h"
#include "ui_support.h"

namespace kelvara::ui {
namespace {

namespace fs = std::filesystem;
using kelvara::testing::ReadBytes;
using kelvara::testing::Utf16Bytes;
using kelvara::testing::WriteUtf16;
using testing::WindowTest;

// A user file that already holds a core of the "Другая" family, so that adding
// is seen to append.
constexpr char16_t kUserCores[] = u"[RM 12]\r\nAe = 50\r\nAn = 40\r\nle = 30\r\nmu = 2000\r\n";

QStringList Entries(const QComboBox* combo) {
    QStringList names;
    for (int i = 0; i < combo->count(); ++i) names << combo->itemText(i);
    return names;
}

std::set<fs::path> FolderContent(const fs::path& folder) {
    std::set<fs::path> names;
    for (const auto& e : fs::recursive_directory_iterator(folder)) names.insert(e.path());
    return names;
}

// Runs `body` on the picker that the next modal loop shows; a picker that
// `body` leaves open is cancelled so that the test cannot hang.
template <typename Picker>
void WhenPickerShows(std::function<void(Picker&)> body) {
    QTimer::singleShot(0, [body] {
        QWidget* modal = QApplication::activeModalWidget();
        auto* picker = qobject_cast<Picker*>(modal);
        if (!picker) {
            ADD_FAILURE() << "the expected picker was not shown";
            if (auto* other = qobject_cast<QDialog*>(modal)) other->reject();
            return;
        }
        body(*picker);
        if (picker->isVisible()) {
            ADD_FAILURE() << "the picker was left open";
            picker->reject();
        }
    });
}

// Answers the next real message box (the picker's replace question) with a
// click on `button`, recording its caption and text.
void WhenQuestionShows(QMessageBox::StandardButton button, QString* caption, QString* text) {
    QTimer::singleShot(0, [=] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            ADD_FAILURE() << "no question was asked";
            return;
        }
        *caption = box->windowTitle();
        *text = box->text();
        QTest::mouseClick(box->button(button), Qt::LeftButton);
    });
}

void ClickEntry(QListWidget* list, const QString& name) {
    const QList<QListWidgetItem*> found = list->findItems(name, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1) << name.toStdString();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                      list->visualItemRect(found.first()).center());
}

void RetypeName(FileDialogBase& picker, const QString& name) {
    QLineEdit* edit = picker.nameEdit();
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, name);
}

class DrivenWindow : public WindowTest {
  protected:
    QStringList ResultTexts() const {
        QStringList texts;
        for (const ResultFieldDef& r : kResultFields) texts << TextOf(r.controlId);
        return texts;
    }
    QStringList CoreDataTexts() const {
        QStringList texts;
        for (int id : {ctl::kMu, ctl::kAe, ctl::kAn, ctl::kLe, ctl::kVe}) texts << TextOf(id);
        return texts;
    }
    // Replaces the text of the core list's edit part by typing.
    void TypeCoreName(const QString& name) {
        QLineEdit* edit = Combo(ctl::kCoreList)->lineEdit();
        Clear(edit);
        QTest::keyClicks(edit, name);
    }
    // Types "|"-separated texts into the edits `ids`, in order.
    void TypeInto(const std::vector<int>& ids, const QString& texts) {
        const QStringList parts = texts.split('|');
        ASSERT_EQ(parts.size(), static_cast<qsizetype>(ids.size())) << texts.toStdString();
        for (size_t k = 0; k < ids.size(); ++k) Retype(ids[k], parts[static_cast<qsizetype>(k)]);
    }
    QWidget* Focused() const { return window->focusWidget(); }
    int Runs() const { return window->dialog().calculationsRun(); }
};

// --- Adding a core ------------------------------------------------------------

const std::vector<int> kDimensionEdits = {ctl::kDimA, ctl::kDimB, ctl::kDimC, ctl::kDimD,
                                          ctl::kDimH, ctl::kDimh, ctl::kDimI};
const std::vector<int> kDataEdits = {ctl::kAe, ctl::kAn, ctl::kLe};

class AddCoreWindow : public DrivenWindow {
  protected:
    void SetUp() override {
        WriteUtf16(UserFilePath(), kUserCores);
        OpenWindow();
    }
    fs::path UserFilePath() const { return data.root() / "Bases_Cores" / "UserFerritesCores.txt"; }
    std::string UserFile() const { return ReadBytes(UserFilePath()); }
    // The messages of the adding itself; the calculation it runs may warn too.
    QStringList AddingMessages() const {
        QStringList texts;
        for (const testing::Message& m : messages) {
            const QString text = ToQ(m.text);
            if (text.startsWith("Вы забыли") || text.startsWith("Не удалось")) texts << text;
        }
        return texts;
    }
};

struct AddCase {
    int shape;         // the "Форма" radio clicked first
    int mode;          // ctl::kAddBySize or ctl::kAddByData
    const char* name;  // typed into the core list
    const char* mu;
    const char* texts;  // A|B|C|D|H|h|I, or Ae|An|le
    const char16_t* record;
};

// The value of `key` in a record, as the core fields show it ("," as ".").
QString RecordValue(const QString& record, const QString& key) {
    const qsizetype at = record.indexOf("\r\n" + key + " = ");
    if (at < 0) return "<none>";
    const qsizetype from = at + key.size() + 5;
    return record.mid(from, record.indexOf("\r\n", from) - from).replace(',', '.');
}

class AddingACore : public AddCoreWindow, public ::testing::WithParamInterface<AddCase> {};

TEST_P(AddingACore, AppendsTheRecordAndSelectsTheNewCore) {
    const AddCase& c = GetParam();
    Click(c.shape);
    ASSERT_TRUE(Button(c.shape)->isChecked());
    Click(c.mode);
    ASSERT_TRUE(Button(c.mode)->isChecked());
    TypeCoreName(QString::fromUtf8(c.name));
    Retype(ctl::kMu, QString::fromUtf8(c.mu));
    if (c.mode == ctl::kAddBySize) {
        TypeInto(kDimensionEdits, QString::fromUtf8(c.texts));
    } else {
        TypeInto(kDataEdits, QString::fromUtf8(c.texts));
    }
    const std::string before = UserFile();
    const QStringList results = ResultTexts();
    const int runs = Runs();
    messages.clear();

    Click(ctl::kAddCore);

    EXPECT_EQ(AddingMessages(), QStringList());
    // Exactly the record, UTF-16 little-endian without a mark, after what the
    // file held.
    EXPECT_EQ(UserFile(), before + Utf16Bytes(c.record, false));

    // The new core is listed under its family, selected, and its data read
    // back from the database are shown and calculated with.
    const QString record = ToQ(c.record);
    const QString name = record.mid(1, record.indexOf(']') - 1);
    QComboBox* cores = Combo(ctl::kCoreList);
    EXPECT_EQ(cores->currentText(), name);
    ASSERT_GE(cores->currentIndex(), 0);
    EXPECT_EQ(cores->itemText(cores->currentIndex()), name);
    EXPECT_EQ(Entries(cores).count(name), 1);
    for (const auto& [id, key] : {std::pair{ctl::kAe, "Ae"}, std::pair{ctl::kAn, "An"},
                                  std::pair{ctl::kLe, "le"}, std::pair{ctl::kMu, "mu"}}) {
        EXPECT_EQ(TextOf(id), RecordValue(record, key)) << key;
    }
    EXPECT_EQ(ToQ(window->dialog().inputs().core), name);
    EXPECT_EQ(Runs(), runs + 1);
    EXPECT_NE(ResultTexts(), results);

    // Both modes are off, every core-data edit is disabled again and the
    // dimensions are emptied.
    EXPECT_FALSE(Button(ctl::kAddBySize)->isChecked());
    EXPECT_FALSE(Button(ctl::kAddByData)->isChecked());
    for (int id : kCoreDataEdits) EXPECT_FALSE(Edit(id)->isEnabled()) << id;
    for (int id : kDimensionEdits) EXPECT_EQ(TextOf(id), "") << id;
    EXPECT_TRUE(Button(c.shape)->isChecked());
}

INSTANTIATE_TEST_SUITE_P(
    ShapesAndModes, AddingACore,
    ::testing::Values(
        // Dimensions typed with "," are read with ".".
        AddCase{ctl::kShapeE, ctl::kAddBySize, "25/13/7x", "1800", "25|17.5|7,5|7.5|12.5|8.7|",
                u"[E 25/13/7x]\r\nAe = 56.25\r\nAn = 69.60\r\nle = 56.1\r\nmu = 1800\r\n\r\n"},
        AddCase{ctl::kShapeEI, ctl::kAddBySize, "25x", "1800", "25|17.5|7.5|7.5|12.5|8.7|3",
                u"[EI 25x]\r\nAe = 56.25\r\nAn = 34.80\r\nle = 38.3\r\nmu = 1800\r\n\r\n"},
        // le = 41.55 in decimal, 41.549999… in binary.
        AddCase{ctl::kShapeER, ctl::kAddBySize, "28/11", "1800", "28|21|11|9.9|7|5|",
                u"[ER 28/11]\r\nAe = 76.98\r\nAn = 44.40\r\nle = 41.5\r\nmu = 1800\r\n\r\n"},
        AddCase{ctl::kShapeETD, ctl::kAddBySize, "30/15", "2000", "30|22|10|10|15|11|",
                u"[ETD 30/15]\r\nAe = 78.54\r\nAn = 105.60\r\nle = 69.0\r\nmu = 2000\r\n\r\n"},
        // A name that holds the prefix already keeps it.
        AddCase{ctl::kShapeE, ctl::kAddBySize, "E 30", "1800", "30|20|7|7|15|10|",
                u"[E 30]\r\nAe = 49.00\r\nAn = 104.00\r\nle = 66.5\r\nmu = 1800\r\n\r\n"},
        // The data mode writes the texts as typed.
        AddCase{ctl::kShapeE, ctl::kAddByData, "41/17/12", "2000,5", "52,5|80|57.5",
                u"[E 41/17/12]\r\nAe = 52,5\r\nAn = 80\r\nle = 57.5\r\nmu = 2000,5\r\n\r\n"},
        // "Другая" takes the name as typed.
        AddCase{ctl::kShapeOther, ctl::kAddByData, "PQ 20/16", "2300", "62|50|45",
                u"[PQ 20/16]\r\nAe = 62\r\nAn = 50\r\nle = 45\r\nmu = 2300\r\n\r\n"},
        // The first entry, E 25/13/7, also begins with the new name: the search
        // for the new core starts at the second entry and finds E 25 itself.
        AddCase{ctl::kShapeE, ctl::kAddByData, "25", "1900", "50|60|70",
                u"[E 25]\r\nAe = 50\r\nAn = 60\r\nle = 70\r\nmu = 1900\r\n\r\n"}),
    [](const ::testing::TestParamInfo<AddCase>& info) {
        std::string name;
        for (char16_t c : std::u16string_view(info.param.record).substr(1)) {
            if (c == u']') break;
            name += c < 128 && std::isalnum(static_cast<int>(c)) ? static_cast<char>(c) : '_';
        }
        return name + (info.param.mode == ctl::kAddBySize ? "_BySize" : "_ByData");
    });

TEST_F(AddCoreWindow, EachModeEnablesItsOwnEditsAndExcludesTheOther) {
    const auto expectEnabled = [&](std::set<int> enabled) {
        for (int id : kCoreDataEdits) {
            EXPECT_EQ(Edit(id)->isEnabled(), enabled.count(id) == 1) << id;
            EXPECT_EQ(TextOf(id), "") << id;
        }
    };
    Click(ctl::kAddBySize);
    expectEnabled(
        {ctl::kMu, ctl::kDimA, ctl::kDimB, ctl::kDimC, ctl::kDimD, ctl::kDimH, ctl::kDimh});
    EXPECT_EQ(Combo(ctl::kCoreList)->currentIndex(), -1);
    EXPECT_EQ(Combo(ctl::kCoreList)->currentText(), "");

    Click(ctl::kAddByData);
    EXPECT_TRUE(Button(ctl::kAddByData)->isChecked());
    EXPECT_FALSE(Button(ctl::kAddBySize)->isChecked());
    expectEnabled({ctl::kMu, ctl::kAe, ctl::kAn, ctl::kLe});

    Click(ctl::kAddByData);  // back to the core shown before
    Click(ctl::kShapeEI);
    Click(ctl::kAddBySize);
    EXPECT_FALSE(Button(ctl::kAddByData)->isChecked());
    expectEnabled({ctl::kMu, ctl::kDimA, ctl::kDimB, ctl::kDimC, ctl::kDimD, ctl::kDimH, ctl::kDimh,
                   ctl::kDimI});
}

TEST_F(AddCoreWindow, OtherFamilyNameBeginningWithEIsWrittenButListedNowhere) {
    Click(ctl::kShapeOther);
    ASSERT_EQ(Entries(Combo(ctl::kCoreList)), QStringList({"RM 10", "RM 12"}));
    Click(ctl::kAddByData);
    TypeCoreName("EFD 99");
    Retype(ctl::kMu, "1500");
    TypeInto(kDataEdits, "10|11|12");
    const std::string before = UserFile();
    const QStringList results = ResultTexts();
    const int runs = Runs();
    messages.clear();

    Click(ctl::kAddCore);

    EXPECT_TRUE(messages.empty()) << ToUtf8(messages.front().text);
    EXPECT_EQ(UserFile(),
              before + Utf16Bytes(u"[EFD 99]\r\nAe = 10\r\nAn = 11\r\nle = 12\r\nmu = 1500\r\n\r\n",
                                  false));
    QComboBox* cores = Combo(ctl::kCoreList);
    EXPECT_EQ(Entries(cores), QStringList({"RM 10", "RM 12"}));
    EXPECT_EQ(cores->currentIndex(), -1);
    EXPECT_EQ(cores->currentText(), "");
    EXPECT_EQ(Runs(), runs);
    EXPECT_EQ(ResultTexts(), results);
    EXPECT_FALSE(Button(ctl::kAddByData)->isChecked());
    for (int id : kCoreDataEdits) EXPECT_FALSE(Edit(id)->isEnabled()) << id;

    for (int shape : {ctl::kShapeE, ctl::kShapeEI, ctl::kShapeER, ctl::kShapeETD}) {
        Click(shape);
        ASSERT_TRUE(Button(shape)->isChecked());
        for (const QString& entry : Entries(cores)) {
            EXPECT_FALSE(entry.contains("EFD")) << entry.toStdString();
        }
    }
}

TEST_F(AddCoreWindow, SwitchingToEiAfterEnteringTheModeLeavesIDisabled) {
    Click(ctl::kAddBySize);
    Click(ctl::kShapeEI);
    ASSERT_TRUE(Button(ctl::kShapeEI)->isChecked());
    EXPECT_FALSE(Edit(ctl::kDimI)->isEnabled());
    EXPECT_TRUE(Edit(ctl::kDimA)->isEnabled());
    TypeCoreName("25y");
    Retype(ctl::kMu, "1800");
    TypeInto({ctl::kDimA, ctl::kDimB, ctl::kDimC, ctl::kDimD, ctl::kDimH, ctl::kDimh},
             "25|17.5|7.5|7.5|12.5|8.7");
    const std::string before = UserFile();
    messages.clear();

    Click(ctl::kAddCore);

    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(ToQ(messages[0].caption), "Внимание!");
    EXPECT_EQ(ToQ(messages[0].text), "Вы забыли перед добавлением ввести все размеры.");
    EXPECT_EQ(UserFile(), before);
    EXPECT_TRUE(Button(ctl::kAddBySize)->isChecked());
}

TEST_F(AddCoreWindow, NoModeOrOtherFamilyAddsNothing) {
    const std::string before = UserFile();
    const int runs = Runs();
    Click(ctl::kAddCore);
    EXPECT_TRUE(messages.empty()) << ToUtf8(messages.front().text);
    EXPECT_EQ(Runs(), runs);

    // Dimensions cannot be entered for "Другая": the box clears itself.
    Click(ctl::kShapeOther);
    messages.clear();  // the calculation's own warnings
    Click(ctl::kAddBySize);
    EXPECT_FALSE(Button(ctl::kAddBySize)->isChecked());
    for (int id : kCoreDataEdits) EXPECT_FALSE(Edit(id)->isEnabled()) << id;
    EXPECT_EQ(Combo(ctl::kCoreList)->currentText(), "RM 12");  // the kept index 1
    Click(ctl::kAddCore);
    EXPECT_TRUE(messages.empty()) << ToUtf8(messages.front().text);
    EXPECT_EQ(UserFile(), before);
}

struct MissingCase {
    int mode;
    const char* name;
    const char* mu;
    const char* texts;  // A|B|C|D|H|h, or Ae|An|le; an empty part stays empty
    const char* message;
};

class AddingWithSomethingMissing : public AddCoreWindow,
                                   public ::testing::WithParamInterface<MissingCase> {};

TEST_P(AddingWithSomethingMissing, ReportsAndChangesNothing) {
    const MissingCase& c = GetParam();
    Click(c.mode);
    TypeCoreName(QString::fromUtf8(c.name));
    Retype(ctl::kMu, QString::fromUtf8(c.mu));
    if (c.mode == ctl::kAddBySize) {
        TypeInto({ctl::kDimA, ctl::kDimB, ctl::kDimC, ctl::kDimD, ctl::kDimH, ctl::kDimh},
                 QString::fromUtf8(c.texts));
    } else {
        TypeInto(kDataEdits, QString::fromUtf8(c.texts));
    }
    const std::string before = UserFile();
    const Text coreText = window->dialog().coreText();
    const QStringList entries = Entries(Combo(ctl::kCoreList));
    QStringList shown;
    for (int id : kCoreDataEdits) shown << TextOf(id);
    messages.clear();

    Click(ctl::kAddCore);

    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(ToQ(messages[0].caption), "Внимание!");
    EXPECT_EQ(ToQ(messages[0].text), QString::fromUtf8(c.message));
    EXPECT_EQ(messages[0].buttons, View::Buttons::Ok);
    EXPECT_EQ(UserFile(), before);
    EXPECT_TRUE(window->dialog().coreText() == coreText);
    EXPECT_EQ(Entries(Combo(ctl::kCoreList)), entries);
    EXPECT_EQ(Combo(ctl::kCoreList)->currentText(), QString::fromUtf8(c.name));
    EXPECT_TRUE(Button(c.mode)->isChecked());
    QStringList after;
    for (int id : kCoreDataEdits) after << TextOf(id);
    EXPECT_EQ(after, shown);
}

constexpr char kNoName[] = "Вы забыли перед добавлением ввести название сердечника.";
constexpr char kNoMu[] = "Вы забыли перед добавлением ввести магнитную проницаемость.";
constexpr char kNoSize[] = "Вы забыли перед добавлением ввести все размеры.";
constexpr char kNoData[] = "Вы забыли перед добавлением ввести все данные.";

INSTANTIATE_TEST_SUITE_P(
    Messages, AddingWithSomethingMissing,
    ::testing::Values(
        MissingCase{ctl::kAddBySize, "", "1800", "25|17.5|7.5|7.5|12.5|8.7", kNoName},
        MissingCase{ctl::kAddBySize, "25/9", "", "25|17.5|7.5|7.5|12.5|8.7", kNoMu},
        MissingCase{ctl::kAddBySize, "25/9", "1800", "|17.5|7.5|7.5|12.5|8.7", kNoSize},
        MissingCase{ctl::kAddBySize, "25/9", "1800", "25|17.5|7.5|7.5|12.5|", kNoSize},
        MissingCase{ctl::kAddByData, "", "1800", "50|60|70", kNoName},
        MissingCase{ctl::kAddByData, "25/9", "", "50|60|70", kNoMu},
        MissingCase{ctl::kAddByData, "25/9", "1800", "50||70", kNoData},
        MissingCase{ctl::kAddByData, "25/9", "1800", "50|60|", kNoData}));

TEST_F(AddCoreWindow, UnwritableUserFileChangesNothingUntilItCanBeCreated) {
    const fs::path user = UserFilePath();
    fs::remove(user);
    fs::create_directories(user);  // a folder in its place can be neither opened nor created
    const std::set<fs::path> folder = FolderContent(data.root() / "Bases_Cores");
    const Text coreText = window->dialog().coreText();
    QComboBox* cores = Combo(ctl::kCoreList);
    const QStringList entries = Entries(cores);

    Click(ctl::kAddByData);
    TypeCoreName("50/1");
    Retype(ctl::kMu, "1800");
    TypeInto(kDataEdits, "50|51|52");
    const QStringList results = ResultTexts();
    messages.clear();
    Click(ctl::kAddCore);

    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(ToQ(messages[0].caption), "Внимание!");
    EXPECT_EQ(ToQ(messages[0].text), "Не удалось записать файл \"UserFerritesCores.txt\".");
    EXPECT_TRUE(fs::is_directory(user));
    EXPECT_EQ(FolderContent(data.root() / "Bases_Cores"), folder);
    EXPECT_TRUE(window->dialog().coreText() == coreText);
    EXPECT_EQ(Entries(cores), entries);
    EXPECT_EQ(cores->currentText(), "50/1");
    EXPECT_TRUE(Button(ctl::kAddByData)->isChecked());
    EXPECT_TRUE(Edit(ctl::kAe)->isEnabled());
    EXPECT_EQ(ResultTexts(), results);

    // Once the folder is gone the file is created holding the one record, and
    // the failed attempt left nothing behind in memory.
    fs::remove(user);
    messages.clear();
    Click(ctl::kAddCore);
    EXPECT_EQ(AddingMessages(), QStringList());
    EXPECT_EQ(ReadBytes(user),
              Utf16Bytes(u"[E 50/1]\r\nAe = 50\r\nAn = 51\r\nle = 52\r\nmu = 1800\r\n\r\n", false));
    EXPECT_EQ(Entries(cores), entries + QStringList{"E 50/1"});
    EXPECT_EQ(cores->currentText(), "E 50/1");
    EXPECT_EQ(window->dialog().coreText().size(),
              coreText.size() + std::u16string_view(u"[E 50/1]\r\nAe = 50\r\nAn = 51\r\nle = 52"
                                                    u"\r\nmu = 1800\r\n\r\n")
                                    .size());
}

class LeavingAMode : public AddCoreWindow, public ::testing::WithParamInterface<int> {};

TEST_P(LeavingAMode, ShowsTheCoreShownBeforeAndRecalculates) {
    QComboBox* cores = Combo(ctl::kCoreList);
    QTest::keyClick(cores, Qt::Key_Down);  // the user chooses E 55/28/21
    ASSERT_EQ(cores->currentText(), "E 55/28/21");
    const QStringList shown = CoreDataTexts();
    ASSERT_EQ(shown.front(), "2000");
    const QStringList results = ResultTexts();
    const std::string before = UserFile();

    Click(GetParam());
    ASSERT_TRUE(Button(GetParam())->isChecked());
    EXPECT_EQ(TextOf(ctl::kAe), "");
    TypeCoreName("zz");
    Retype(ctl::kMu, "1234");
    Retype(GetParam() == ctl::kAddBySize ? ctl::kDimA : ctl::kAe, "77");
    const int runs = Runs();
    Click(GetParam());

    EXPECT_FALSE(Button(GetParam())->isChecked());
    EXPECT_EQ(cores->currentText(), "E 55/28/21");
    EXPECT_EQ(cores->currentIndex(), 2);
    EXPECT_EQ(CoreDataTexts(), shown);
    EXPECT_EQ(Runs(), runs + 1);
    EXPECT_EQ(ResultTexts(), results);
    for (int id : kCoreDataEdits) EXPECT_FALSE(Edit(id)->isEnabled()) << id;
    EXPECT_EQ(UserFile(), before);
    EXPECT_TRUE(messages.empty()) << ToUtf8(messages.front().text);
}

INSTANTIATE_TEST_SUITE_P(BothModes, LeavingAMode,
                         ::testing::Values(ctl::kAddBySize, ctl::kAddByData));

// --- Saving -----------------------------------------------------------------

class LoadSaveWindow : public DrivenWindow {};

constexpr char kDefaultsName[] = "E 40x16x12, N87 Epcos, 100кГц, 330В, 24Вх9А.sav";

TEST_F(LoadSaveWindow, SaveSuggestsTheNameAndCancelChangesNothing) {
    OpenWindow();
    const std::set<fs::path> before = FolderContent(data.program());
    const int runs = Runs();
    WhenPickerShows<CSaveFileDlg>([](CSaveFileDlg& picker) {
        EXPECT_EQ(picker.windowTitle(), "Сохранить как...");
        EXPECT_EQ(picker.nameEdit()->text(), QString::fromUtf8(kDefaultsName));
        EXPECT_EQ(picker.fileList()->count(), 1);  // Kelvara.ini
        QTest::keyClick(&picker, Qt::Key_Escape);
    });
    Click(ctl::kSave);
    EXPECT_EQ(Focused(), window->control(ctl::kCalculate));
    EXPECT_EQ(FolderContent(data.program()), before);
    EXPECT_EQ(Runs(), runs);
    EXPECT_TRUE(messages.empty()) << ToUtf8(messages.front().text);
}

struct SaveCase {
    const char* typed;
    const char* file;  // relative to the program's folder
};

void PrintTo(const SaveCase& c, std::ostream* out) {
    *out << '"' << c.typed << '"';
}

class SavingAs : public DrivenWindow, public ::testing::WithParamInterface<SaveCase> {};

TEST_P(SavingAs, WritesTheDesignUnderTheTypedName) {
    OpenWindow();
    fs::create_directories(data.program() / "sub");
    Retype(ctl::kFr, "120");  // taken from the control, not recalculated
    const QStringList results = ResultTexts();
    const int runs = Runs();
    const QString typed = QString::fromUtf8(GetParam().typed);
    WhenPickerShows<CSaveFileDlg>([typed](CSaveFileDlg& picker) {
        EXPECT_EQ(picker.nameEdit()->text(), "E 40x16x12, N87 Epcos, 120кГц, 330В, 24Вх9А.sav");
        RetypeName(picker, typed);
        EXPECT_EQ(picker.nameEdit()->text(), typed);
        QTest::mouseClick(picker.okButton(), Qt::LeftButton);
    });
    Click(ctl::kSave);

    const fs::path file = data.program() / fs::path(GetParam().file);
    DesignInputs read;
    read.Fr.clear();
    ASSERT_TRUE(ReadDesignFile(file, read)) << file;
    EXPECT_EQ(read.Fr, u"120");
    EXPECT_EQ(read.core, u"E 40/16/12");
    EXPECT_EQ(read.mater, u"N87 Epcos");
    EXPECT_TRUE(messages.empty()) << ToUtf8(messages.front().text);
    EXPECT_EQ(Runs(), runs);
    EXPECT_EQ(ResultTexts(), results);
    EXPECT_EQ(Focused(), window->control(ctl::kCalculate));
}

INSTANTIATE_TEST_SUITE_P(Names, SavingAs,
                         ::testing::Values(SaveCase{"sub/x", "sub/x.sav"},
                                           SaveCase{"my design", "my design.sav"},
                                           SaveCase{"a.sav.bak", "a.sav.bak"},
                                           SaveCase{"Case.SAV", "Case.SAV.sav"}));

TEST_F(LoadSaveWindow, ANameThatNamesNoFileKeepsThePickerOpen) {
    OpenWindow();
    const std::set<fs::path> before = FolderContent(data.program());
    WhenPickerShows<CSaveFileDlg>([](CSaveFileDlg& picker) {
        for (const char* name : {"", ".sav"}) {
            RetypeName(picker, name);
            QTest::mouseClick(picker.okButton(), Qt::LeftButton);
            EXPECT_TRUE(picker.isVisible()) << name;
        }
        QTest::keyClick(&picker, Qt::Key_Escape);
    });
    Click(ctl::kSave);
    EXPECT_EQ(FolderContent(data.program()), before);
    EXPECT_TRUE(messages.empty()) << ToUtf8(messages.front().text);
}

// Typed without ".sav", the name of an existing design: the question names
// the file that would be replaced.
TEST_F(LoadSaveWindow, TypingTheNameOfAnExistingDesignAsksFirst) {
    const fs::path file = data.program() / "mine.sav";
    kelvara::testing::WriteBytes(file, Utf16Bytes(u"Fr\t= 42\r\n"));
    OpenWindow();
    QString caption, question;
    WhenPickerShows<CSaveFileDlg>([&](CSaveFileDlg& picker) {
        RetypeName(picker, "mine");
        WhenQuestionShows(QMessageBox::Cancel, &caption, &question);
        QTest::mouseClick(picker.okButton(), Qt::LeftButton);
        EXPECT_TRUE(picker.isVisible());
        EXPECT_EQ(question, "Заменить файл \"mine.sav\"?");
        EXPECT_EQ(caption, "Внимание!");
        EXPECT_EQ(kelvara::testing::ReadBytes(file), Utf16Bytes(u"Fr\t= 42\r\n"));
        question.clear();
        WhenQuestionShows(QMessageBox::Ok, &caption, &question);
        QTest::mouseClick(picker.okButton(), Qt::LeftButton);
    });
    Click(ctl::kSave);
    EXPECT_EQ(question, "Заменить файл \"mine.sav\"?");
    DesignInputs saved;
    ASSERT_TRUE(ReadDesignFile(file, saved));
    EXPECT_EQ(saved.Fr, u"100");
}

TEST_F(LoadSaveWindow, SaveIntoAMissingFolderIsReported) {
    OpenWindow();
    WhenPickerShows<CSaveFileDlg>([](CSaveFileDlg& picker) {
        RetypeName(picker, "missing/x");
        QTest::mouseClick(picker.okButton(), Qt::LeftButton);
    });
    Click(ctl::kSave);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(ToQ(messages[0].caption), "Ошибка!");
    EXPECT_EQ(ToQ(messages[0].text), "Не удалось записать файл \"missing/x.sav\".");
    EXPECT_EQ(messages[0].buttons, View::Buttons::Ok);
    EXPECT_FALSE(fs::exists(data.program() / "missing"));
    // The focus stays on the button that was clicked.
    EXPECT_EQ(Focused(), window->control(ctl::kSave));
}

#if defined(__linux__)
// A name at the file system's length limit: the temporary file beside it
// still fits, so the listed file is replaced and nothing else is left behind.
TEST_F(LoadSaveWindow, ReplacingAFileWithTheLongestNameWorks) {
    const std::string longName = std::string(251, 'k') + ".sav";  // 255 bytes
    const fs::path file = data.program() / longName;
    kelvara::testing::WriteBytes(file, Utf16Bytes(u"Fr\t= 42\r\n"));
    OpenWindow();
    const std::set<fs::path> before = FolderContent(data.program());
    QString caption, question;
    WhenPickerShows<CSaveFileDlg>([&](CSaveFileDlg& picker) {
        ClickEntry(picker.fileList(), QString::fromStdString(longName));
        WhenQuestionShows(QMessageBox::Ok, &caption, &question);
        QTest::mouseClick(picker.okButton(), Qt::LeftButton);
    });
    Click(ctl::kSave);
    EXPECT_EQ(question, "Заменить файл \"" + QString::fromStdString(longName) + "\"?");
    EXPECT_TRUE(messages.empty());
    DesignInputs saved;
    ASSERT_TRUE(ReadDesignFile(file, saved));
    EXPECT_EQ(saved.Fr, u"100");
    EXPECT_EQ(FolderContent(data.program()), before);
}
#endif

// --- Loading ----------------------------------------------------------------

TEST_F(LoadSaveWindow, LoadingTheRememberedInputsWorksLikeADesign) {
    OpenWindow();
    DesignInputs remembered;
    remembered.core = u"ER 28/14";
    remembered.Fr = u"90";
    ASSERT_TRUE(WriteDesignFile(data.program() / "Kelvara.ini", remembered));
    ASSERT_TRUE(WriteDesignFile(data.program() / "other.sav", DesignInputs{}));
    Retype(ctl::kFr, "70");
    const QStringList results = ResultTexts();
    const int runs = Runs();
    WhenPickerShows<COpenFileDlg>([](COpenFileDlg& picker) {
        EXPECT_EQ(picker.windowTitle(), "Открыть файл...");
        ASSERT_EQ(picker.fileList()->count(), 2);
        EXPECT_EQ(picker.fileList()->item(0)->text(), "Kelvara.ini");
        ClickEntry(picker.fileList(), "Kelvara.ini");
        EXPECT_EQ(picker.nameEdit()->text(), "Kelvara.ini");
        QTest::mouseClick(picker.okButton(), Qt::LeftButton);
    });
    Click(ctl::kLoad);
    EXPECT_EQ(TextOf(ctl::kFr), "90");
    EXPECT_TRUE(Button(ctl::kShapeER)->isChecked());
    EXPECT_EQ(Combo(ctl::kCoreList)->currentText(), "ER 28/14");
    EXPECT_EQ(TextOf(ctl::kAe), "81");
    EXPECT_EQ(Runs(), runs + 1);
    EXPECT_NE(ResultTexts(), results);
    EXPECT_EQ(Focused(), window->control(ctl::kCalculate));
}

TEST_F(LoadSaveWindow, LoadingACoreMissingFromTheDatabaseKeepsTheSelectedIndex) {
    OpenWindow();
    QComboBox* cores = Combo(ctl::kCoreList);
    QTest::keyClick(cores, Qt::Key_Down);
    ASSERT_EQ(cores->currentText(), "E 55/28/21");
    DesignInputs design;
    design.core = u"E 99/99/99";
    design.Fr = u"150";
    ASSERT_TRUE(WriteDesignFile(data.program() / "d.sav", design));
    const int runs = Runs();
    WhenPickerShows<COpenFileDlg>([](COpenFileDlg& picker) {
        QListWidget* list = picker.fileList();
        const QRect at = list->visualItemRect(list->findItems("d.sav", Qt::MatchExactly).value(0));
        // A double-click: press, release, a second press reported as a
        // double-click, release.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at.center());
        QTest::mouseRelease(list->viewport(), Qt::LeftButton, Qt::NoModifier, at.center());
    });
    Click(ctl::kLoad);
    EXPECT_EQ(TextOf(ctl::kFr), "150");
    EXPECT_TRUE(Button(ctl::kShapeE)->isChecked());
    EXPECT_EQ(cores->currentIndex(), 2);
    EXPECT_EQ(cores->currentText(), "E 55/28/21");
    EXPECT_EQ(ToQ(window->dialog().inputs().core), "E 55/28/21");
    EXPECT_EQ(TextOf(ctl::kAe), "353");
    EXPECT_EQ(Runs(), runs + 1);
}

// A second material that differs from the first, so that results show which
// one the calculation used.
constexpr char16_t kOtherMaterial[] =
    u"[Flux density]\r\nB1 = 50\r\nB2 = 100\r\nB3 = 200\r\n"
    u"[Frequencies]\r\nF1 = 25\r\nF2 = 100\r\nF3 = 200\r\n"
    u"[F_25]\r\nB_50 = 6\r\nB_100 = 30\r\nB_200 = 160\r\n"
    u"[F_100]\r\nB_50 = 30\r\nB_100 = 140\r\nB_200 = 800\r\n"
    u"[F_200]\r\nB_50 = 80\r\nB_100 = 360\r\nB_200 = 2000\r\n"
    u"[Limits]\r\nBmax = 380\r\nBmmax = 470\r\nmu = 1500\r\n";

TEST_F(LoadSaveWindow, LoadingADesignAppliesItsMaterial) {
    WriteUtf16(data.root() / "Ferrites_Materials" / "3C90 Ferroxcube.txt", kOtherMaterial);
    OpenWindow();
    DesignInputs design;
    design.core = u"ETD 29/16/10";
    design.zazor = u"2";     // wide enough for both materials: the run keeps it
    design.mater = u"3c90";  // found by its beginning, letter case ignored
    ASSERT_TRUE(WriteDesignFile(data.program() / "a.sav", design));
    design.mater = u"N87 Epcos";
    ASSERT_TRUE(WriteDesignFile(data.program() / "b.sav", design));
    const auto load = [&](const char* name) {
        WhenPickerShows<COpenFileDlg>([name](COpenFileDlg& picker) {
            ClickEntry(picker.fileList(), name);
            QTest::mouseClick(picker.okButton(), Qt::LeftButton);
        });
        Click(ctl::kLoad);
    };
    QComboBox* materials = Combo(ctl::kMaterialList);

    const auto messageTexts = [&] {
        QStringList texts;
        for (const testing::Message& m : messages) texts << ToQ(m.text);
        messages.clear();
        return texts;
    };

    load("a.sav");
    const QStringList warnedWith3C90 = messageTexts();
    EXPECT_EQ(materials->currentText(), "3C90 Ferroxcube");
    EXPECT_EQ(materials->currentIndex(), 0);
    EXPECT_EQ(ToQ(window->dialog().inputs().mater), "3C90 Ferroxcube");
    EXPECT_EQ(window->dialog().material().mu, 1500);
    EXPECT_EQ(Combo(ctl::kCoreList)->currentText(), "ETD 29/16/10");
    const QStringList with3C90 = ResultTexts();

    load("b.sav");
    EXPECT_EQ(materials->currentText(), "N87 Epcos");
    EXPECT_EQ(window->dialog().material().mu, 2200);
    EXPECT_NE(ResultTexts(), with3C90);
    messageTexts();

    // Choosing the material by hand gives what loading gave.
    QTest::keyClick(materials, Qt::Key_Up);
    ASSERT_EQ(materials->currentText(), "3C90 Ferroxcube");
    EXPECT_EQ(ResultTexts(), with3C90);
    EXPECT_EQ(messageTexts(), warnedWith3C90);
}

TEST_F(LoadSaveWindow, LoadingAFileThatIsNoDesignChangesNothing) {
    OpenWindow();
    // A design saved as 8-bit text: none of its keys can be read.
    kelvara::testing::WriteBytes(data.program() / "old.sav",
                                 "core\t= E 40/16/12\r\nmater\t= \xD4\xE5\xF0\xF0\xE8\xF2\r\n");
    Retype(ctl::kFr, "77");
    Click(ctl::kShapeETD);
    const QStringList results = ResultTexts();
    const QString core = Combo(ctl::kCoreList)->currentText();
    const int runs = Runs();
    messages.clear();
    WhenPickerShows<COpenFileDlg>([](COpenFileDlg& picker) {
        ClickEntry(picker.fileList(), "old.sav");
        QTest::mouseClick(picker.okButton(), Qt::LeftButton);
    });
    Click(ctl::kLoad);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(ToQ(messages[0].caption), "Внимание!");
    EXPECT_EQ(ToQ(messages[0].text), "Файл \"old.sav\" не является файлом проекта.");
    EXPECT_EQ(TextOf(ctl::kFr), "77");
    EXPECT_TRUE(Button(ctl::kShapeETD)->isChecked());
    EXPECT_EQ(Combo(ctl::kCoreList)->currentText(), core);
    EXPECT_EQ(ResultTexts(), results);
    EXPECT_EQ(Runs(), runs);
}

TEST_F(LoadSaveWindow, CancelledLoadChangesNothing) {
    OpenWindow();
    ASSERT_TRUE(WriteDesignFile(data.program() / "d.sav", DesignInputs{}));
    Retype(ctl::kFr, "77");
    Click(ctl::kShapeETD);
    const QStringList results = ResultTexts();
    const QString core = Combo(ctl::kCoreList)->currentText();
    const int runs = Runs();
    messages.clear();
    WhenPickerShows<COpenFileDlg>([](COpenFileDlg& picker) {
        ClickEntry(picker.fileList(), "d.sav");
        EXPECT_EQ(picker.nameEdit()->text(), "d.sav");
        QTest::mouseClick(picker.cancelButton(), Qt::LeftButton);
    });
    Click(ctl::kLoad);
    EXPECT_EQ(TextOf(ctl::kFr), "77");
    EXPECT_TRUE(Button(ctl::kShapeETD)->isChecked());
    EXPECT_EQ(Combo(ctl::kCoreList)->currentText(), core);
    EXPECT_EQ(ResultTexts(), results);
    EXPECT_EQ(Runs(), runs);
    EXPECT_TRUE(messages.empty()) << ToUtf8(messages.front().text);
    EXPECT_EQ(Focused(), window->control(ctl::kCalculate));
}

}  // namespace
}  // namespace kelvara::ui
