// "Загрузить", "Сохранить" and the file pickers, through a headless view.
#include <gtest/gtest.h>

#include "designs/design_file.h"
#include "support/open_window.h"
#include "window/file_picker.h"
#include "window/headless_view.h"
#include "window/kelvara_dlg.h"

namespace kelvara {
namespace {

namespace fs = std::filesystem;
using testing::DataRoot;

class LoadSave : public testing::OpenWindow {
  protected:
    void ChooseToOpen(const Text& name) {
        view.openPicker = [name](const fs::path&) { return std::optional<Text>(name); };
    }
    void ChooseToSave(const Text& name) {
        view.savePicker = [name](const fs::path&, const Text&) {
            return std::optional<Text>(name);
        };
    }
};

TEST_F(LoadSave, SuggestedNameOfTheDefaults) {
    DesignInputs defaults;
    dlg.inputs() = defaults;
    EXPECT_EQ(dlg.SuggestedSaveName(), u"E 40x16x12, N87 Epcos, 100кГц, 330В, 24Вх9А.sav");
}

TEST_F(LoadSave, SaveWritesTheTakenRecordWithoutRecalculating) {
    view.Type(ctl::kFr, u"120");
    const int runs = dlg.calculationsRun();
    ChooseToSave(u"mine");
    dlg.OnSave();
    EXPECT_EQ(view.lastSuggestedName, u"E 40x16x12, N87 Epcos, 120кГц, 330В, 24Вх9А.sav");
    DesignInputs saved;
    ASSERT_TRUE(ReadDesignFile(data.program() / "mine.sav", saved));
    EXPECT_EQ(saved.Fr, u"120");
    EXPECT_EQ(dlg.calculationsRun(), runs);
    EXPECT_EQ(view.focus, ctl::kCalculate);
    EXPECT_TRUE(view.messages.empty());
}

TEST_F(LoadSave, SaveNamesAndFolders) {
    // A name that names no file writes nothing.
    for (const char16_t* none : {u"", u".sav"}) {
        ChooseToSave(none);
        dlg.OnSave();
        EXPECT_FALSE(fs::exists(data.program() / ".sav"));
        EXPECT_TRUE(view.messages.empty());
    }
    ChooseToSave(u"a.sav.bak");  // holds ".sav": used as it is
    dlg.OnSave();
    EXPECT_TRUE(fs::exists(data.program() / "a.sav.bak"));
    fs::create_directories(data.program() / "sub");
    ChooseToSave(u"sub/x");
    dlg.OnSave();
    EXPECT_TRUE(fs::exists(data.program() / "sub" / "x.sav"));
}

TEST_F(LoadSave, FailedSaveIsReportedAndCancelChangesNothing) {
    ChooseToSave(u"no/such/folder/x");
    dlg.OnSave();
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].caption, u"Ошибка!");
    EXPECT_EQ(view.messages[0].text, u"Не удалось записать файл \"no/such/folder/x.sav\".");
    view.focus = 0;
    view.savePicker = nullptr;  // cancelled
    dlg.OnSave();
    EXPECT_EQ(view.focus, ctl::kCalculate);
    EXPECT_EQ(view.messages.size(), 1u);
}

#if defined(__unix__)
TEST_F(LoadSave, SaveIntoAReadOnlyFolderLeavesTheOldFile) {
    const fs::path folder = data.program() / "ro";
    fs::create_directories(folder);
    const std::string old = testing::Utf16Bytes(u"Fr\t= 42\r\n");
    testing::WriteBytes(folder / "old.sav", old);
    fs::permissions(folder / "old.sav", fs::perms::all, fs::perm_options::add);
    for (const fs::path& p : {data.root(), data.program()}) {
        fs::permissions(p, fs::perms::others_exec | fs::perms::others_read, fs::perm_options::add);
    }
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_read |
                                fs::perms::others_exec | fs::perms::group_read |
                                fs::perms::group_exec);
    ChooseToSave(u"ro/old.sav");
    const int status = testing::RunUnprivileged([&] {
        dlg.OnSave();
        return view.messages.size() == 1 && view.messages[0].caption == u"Ошибка!" ? 0 : 1;
    });
    fs::permissions(folder, fs::perms::owner_all);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(testing::ReadBytes(folder / "old.sav"), old);
}
#endif

TEST_F(LoadSave, ProtectedDesignIsNotReplaced) {
    const fs::path file = data.program() / "kept.sav";
    DesignInputs kept;
    kept.Fr = u"42";
    ASSERT_TRUE(WriteDesignFile(file, kept));
    fs::permissions(file, fs::perms::owner_read);
    const std::string before = testing::ReadBytes(file);
    ChooseToSave(u"kept.sav");
    dlg.OnSave();
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].caption, u"Ошибка!");
    EXPECT_EQ(view.messages[0].text, u"Не удалось записать файл \"kept.sav\".");
    EXPECT_EQ(testing::ReadBytes(file), before);
}

TEST_F(LoadSave, LoadAppliesTheDesignWithItsMaterial) {
    DesignInputs design;
    design.core = u"ETD 34/17/11";
    design.mater = u"3C90 Ferroxcube";
    design.yes_al = 1;
    design.zazor = u"150";
    design.rds = 0;
    design.Unas = u"1.5";
    ASSERT_TRUE(WriteDesignFile(data.program() / "d.sav", design));
    const int runs = dlg.calculationsRun();
    ChooseToOpen(u"d.sav");
    dlg.OnLoad();
    EXPECT_EQ(view.GetText(ctl::kGapLabel), u"Требуемая величина AL, не более");
    EXPECT_EQ(view.GetText(ctl::kGapUnit), u"");
    EXPECT_TRUE(view.IsEnabled(ctl::kUnas));
    EXPECT_FALSE(view.IsEnabled(ctl::kRds));
    EXPECT_EQ(view.GetText(ctl::kMaterialList), u"3C90 Ferroxcube");
    EXPECT_EQ(dlg.inputs().mater, u"3C90 Ferroxcube");
    EXPECT_TRUE(view.IsChecked(ctl::kShapeETD));
    EXPECT_EQ(view.GetText(ctl::kCoreList), u"ETD 34/17/11");
    EXPECT_EQ(dlg.calculationsRun(), runs + 1);
    EXPECT_EQ(view.focus, ctl::kCalculate);
    EXPECT_GT(view.pictureInvalidations, 0);
}

TEST_F(LoadSave, LoadingTheRememberedInputsWorksLikeADesign) {
    view.Type(ctl::kFr, u"90");
    dlg.OnExit();
    view.Type(ctl::kFr, u"70");
    ChooseToOpen(u"Kelvara.ini");
    dlg.OnLoad();
    EXPECT_EQ(view.GetText(ctl::kFr), u"90");
}

TEST_F(LoadSave, CoreNotInTheDatabaseKeepsTheIndexRule) {
    DesignInputs design;
    design.core = u"E 99/99/99";
    ASSERT_TRUE(WriteDesignFile(data.program() / "d.sav", design));
    const Text before = view.GetText(ctl::kCoreList);
    ChooseToOpen(u"d.sav");
    dlg.OnLoad();
    // Not found: the entry at the kept index is selected again, and said.
    EXPECT_EQ(view.GetText(ctl::kCoreList), before);
    EXPECT_EQ(dlg.inputs().core, before);
    ASSERT_FALSE(view.messages.empty());
    EXPECT_EQ(view.messages[0].caption, u"Внимание!");
    EXPECT_EQ(view.messages[0].text,
              u"Сердечник \"E 99/99/99\" не найден в базе; выбран \"" + before + u"\".");
}

TEST_F(LoadSave, AFileThatIsNoDesignChangesNothing) {
    view.Type(ctl::kFr, u"77");
    const Text core = view.GetText(ctl::kCoreList);
    const int runs = dlg.calculationsRun();
    testing::WriteBytes(data.program() / "empty.sav", "");
    testing::WriteBytes(data.program() / "be.sav",
                        std::string("\xFE\xFF\0F\0r\0\t\0=\0 \0\x39\0\x30", 16));
    for (const char16_t* name : {u"empty.sav", u"be.sav"}) {
        view.messages.clear();
        ChooseToOpen(name);
        dlg.OnLoad();
        ASSERT_EQ(view.messages.size(), 1u);
        EXPECT_EQ(view.messages[0].caption, u"Внимание!");
        EXPECT_EQ(view.messages[0].text,
                  u"Файл \"" + Text(name) + u"\" не является файлом проекта.");
    }
    EXPECT_EQ(view.GetText(ctl::kFr), u"77");
    EXPECT_EQ(view.GetText(ctl::kCoreList), core);
    EXPECT_EQ(dlg.calculationsRun(), runs);
}

TEST_F(LoadSave, UnreadableOrCancelledLoadChangesNothing) {
    view.Type(ctl::kFr, u"77");
    view.focus = 0;
    ChooseToOpen(u"missing.sav");
    dlg.OnLoad();
    EXPECT_EQ(view.GetText(ctl::kFr), u"77");
    EXPECT_EQ(view.focus, 0);
    view.openPicker = nullptr;
    dlg.OnLoad();
    EXPECT_EQ(view.focus, ctl::kCalculate);
    EXPECT_EQ(view.GetText(ctl::kFr), u"77");
}

TEST(FilePickerTest, ListsDesignFilesInOneCaseInsensitiveOrder) {
    testing::TempDir dir;
    for (const char* name : {"b.sav", "A.ini", "c.SAV", "notes.txt", "a.sav"}) {
        testing::WriteBytes(dir / name, "x");
    }
    fs::create_directories(dir / "folder.sav");
    EXPECT_EQ(ListDesignFiles(dir.path()),
              (std::vector<Text>{u"A.ini", u"a.sav", u"b.sav", u"c.SAV"}));
}

TEST(FilePickerTest, OpenTakesTheSelectionOrTheListedNameInTheEdit) {
    testing::TempDir dir;
    testing::WriteBytes(dir / "one.sav", "x");
    FilePicker picker(FilePicker::Kind::Open, dir.path());
    EXPECT_FALSE(picker.Accept());  // nothing chosen
    picker.Select(0);
    EXPECT_EQ(picker.name(), u"one.sav");
    testing::WriteBytes(dir / "two.sav", "x");
    picker.Refill();  // activation changed
    EXPECT_EQ(picker.entries().size(), 2u);
    EXPECT_EQ(picker.selection(), -1);
    // The edit still names a listed file: "Открыть" opens it.
    EXPECT_TRUE(picker.Accept());
    EXPECT_EQ(picker.name(), u"one.sav");
    picker.Select(1);
    EXPECT_TRUE(picker.Accept());
    EXPECT_EQ(picker.name(), u"two.sav");

    // A name the folder no longer lists (removed, or differing in letter
    // case) opens nothing.
    std::filesystem::remove(dir / "two.sav");
    picker.Refill();
    EXPECT_FALSE(picker.Accept());
    picker.SetName(u"ONE.sav");
    EXPECT_FALSE(picker.Accept());
    picker.SetName(u"one.sav");
    EXPECT_TRUE(picker.Accept());
}

TEST(FilePickerTest, SaveAsksOnlyForAnExactlyListedName) {
    testing::TempDir dir;
    testing::WriteBytes(dir / "Design.sav", "x");
    FilePicker picker(FilePicker::Kind::Save, dir.path(), u"design.sav");
    int asked = 0;
    Text question;
    auto answer = [&](bool ok) {
        return [&, ok](TextView caption, TextView text) {
            ++asked;
            EXPECT_EQ(caption, u"Внимание!");
            question = Text(text);
            return ok;
        };
    };
    // Where letter case tells names apart "design.sav" is another file and
    // nothing is asked; elsewhere (Windows) it is the listed file itself.
    const bool caseCounts = !fs::exists(dir / "design.sav");
    EXPECT_EQ(picker.Save(answer(false)), caseCounts);
    EXPECT_EQ(asked, caseCounts ? 0 : 1);
    picker.SetName(u"Design.sav");
    EXPECT_FALSE(picker.Save(answer(false)));  // Cancel keeps the picker open
    EXPECT_EQ(question, u"Заменить файл \"Design.sav\"?");
    EXPECT_EQ(picker.name(), u"Design.sav");
    EXPECT_TRUE(picker.Save(answer(true)));
    EXPECT_EQ(asked, caseCounts ? 2 : 3);
}

// The question is about the file that will really be written, whatever
// the name came from; a name that names no file keeps the picker open.
TEST(FilePickerTest, SaveAsksAboutTheFileItWillWrite) {
    testing::TempDir dir;
    for (const char8_t* name : {u8"Пример.sav", u8"Kelvara.ini", u8"sub/x.sav"}) {
        testing::WriteBytes(dir / name, "x");
    }
    fs::create_directories(dir / "folder.sav");
    struct Case {
        const char16_t* typed;
        const char16_t* asked;  // nullptr: no question
        bool closes;            // with the question answered Cancel
    };
    for (const Case& c : {Case{u"Пример", u"Заменить файл \"Пример.sav\"?", false},
                          Case{u"Пример.sav", u"Заменить файл \"Пример.sav\"?", false},
                          Case{u"sub/x", u"Заменить файл \"sub/x.sav\"?", false},
                          Case{u"Kelvara.ini", nullptr, true},  // writes "Kelvara.ini.sav"
                          Case{u"new", nullptr, true}, Case{u"folder.sav", nullptr, true},
                          Case{u"", nullptr, false}, Case{u".sav", nullptr, false},
                          Case{u"sub/", nullptr, false}}) {
        FilePicker picker(FilePicker::Kind::Save, dir.path());
        picker.SetName(c.typed);
        std::vector<Text> questions;
        const bool closes = picker.Save([&](TextView, TextView text) {
            questions.emplace_back(text);
            return false;
        });
        EXPECT_EQ(closes, c.closes) << ToUtf8(c.typed);
        EXPECT_EQ(questions, c.asked ? std::vector<Text>{c.asked} : std::vector<Text>{})
            << ToUtf8(c.typed);
    }
}

TEST(FilePickerTest, DoubleClickInTheSavePickerAsksFirst) {
    testing::TempDir dir;
    testing::WriteBytes(dir / "a.sav", "x");
    testing::WriteBytes(dir / "Kelvara.ini", "x");
    FilePicker save(FilePicker::Kind::Save, dir.path(), u"suggested.sav");
    std::vector<Text> questions;
    bool answer = false;
    const auto ask = [&](TextView, TextView text) {
        questions.emplace_back(text);
        return answer;
    };
    EXPECT_FALSE(save.DoubleClick(ask));  // nothing selected
    save.Select(0);
    EXPECT_FALSE(save.DoubleClick(ask));  // Cancel: stays open
    EXPECT_EQ(save.name(), u"a.sav");
    answer = true;
    EXPECT_TRUE(save.DoubleClick(ask));
    EXPECT_EQ(questions,
              (std::vector<Text>{u"Заменить файл \"a.sav\"?", u"Заменить файл \"a.sav\"?"}));
    // "Kelvara.ini" is written as "Kelvara.ini.sav", which is not there.
    save.Select(1);
    EXPECT_TRUE(save.DoubleClick(ask));
    EXPECT_EQ(questions.size(), 2u);

    FilePicker open(FilePicker::Kind::Open, dir.path());
    open.Select(0);
    EXPECT_TRUE(open.DoubleClick(ask));
    EXPECT_EQ(open.name(), u"a.sav");
    EXPECT_EQ(questions.size(), 2u);
}

}  // namespace
}  // namespace kelvara
