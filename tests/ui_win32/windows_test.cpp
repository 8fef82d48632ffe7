// The secondary windows of the Win32 program: the file pickers, help, the
// circuit, about, the transfer characteristic with its exports, the design
// check, the core adviser and the report on paper.
#include <fstream>
#include <iterator>

#include "kelvara/version.h"
#include "session/report.h"
#include "support/temp_dir.h"
#include "ui_win32/adviser_window.h"
#include "ui_win32/check_window.h"
#include "ui_win32/file_pickers.h"
#include "ui_win32/gdiplus.h"
#include "ui_win32/report_output.h"
#include "ui_win32/secondary_windows.h"
#include "ui_win32/svg_draw.h"
#include "ui_win32/transfer_window.h"
#include "win32_support.h"
#include "window/check_inputs.h"
#include "window/file_picker_layout.h"
#include "window/secondary_layout.h"

namespace kelvara::win32 {
namespace {

namespace fs = std::filesystem;
using kelvara::testing::TempDir;
using kelvara::testing::WriteBytes;
using testing::Win32Window;

std::string FileBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

Text ListEntry(HWND list, int index) {
    const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    return T(text);
}

// --- The file pickers -----------------------------------------------------------------

class Pickers : public ::testing::Test {
  protected:
    void SetUp() override {
        WriteBytes(dir / "b.sav", "x");
        WriteBytes(dir / "A.SAV", "x");
        WriteBytes(dir / "Kelvara.ini", "x");
        WriteBytes(dir / "notes.txt", "x");
    }
    FilePicker::Question Ask() {
        return [this](TextView caption, TextView text) {
            questions.push_back(Text(caption) + u": " + Text(text));
            return replace;
        };
    }
    TempDir dir;
    std::vector<Text> questions;
    bool replace = false;
};

TEST_F(Pickers, ListTheDesignFilesAndTakeTheSelection) {
    FilePickerDialog open(FilePicker::Kind::Open, dir.path(), {}, Ask());
    ASSERT_TRUE(open.Create(nullptr));
    EXPECT_EQ(WindowText(open.hwnd()), picker::kOpenCaption);
    const HWND list = open.list();
    ASSERT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(ListEntry(list, 0), u"A.SAV");
    EXPECT_EQ(ListEntry(list, 1), u"b.sav");
    EXPECT_EQ(ListEntry(list, 2), u"Kelvara.ini");
    // "Открыть" without a selection (and an empty name) does nothing.
    open.PressOk();
    EXPECT_FALSE(open.accepted());
    open.SelectEntry(1);
    EXPECT_EQ(open.chosenName(), u"b.sav");
    // Another window taking the activation refills the list; the selection goes.
    WriteBytes(dir / "c.sav", "x");
    open.ActivationChanged();
    EXPECT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 4);
    EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), LB_ERR);
    // The name still in the edit names a listed file: "Открыть" takes it.
    open.PressOk();
    EXPECT_TRUE(open.accepted());
    EXPECT_EQ(open.picker().name(), u"b.sav");
}

TEST_F(Pickers, SavingOverAListedFileAsksFirst) {
    FilePickerDialog save(FilePicker::Kind::Save, dir.path(), u"suggested", Ask());
    ASSERT_TRUE(save.Create(nullptr));
    EXPECT_EQ(WindowText(save.hwnd()), picker::kSaveCaption);
    EXPECT_EQ(save.chosenName(), u"suggested");
    SetWindowTextW(save.nameEdit(), L"b");
    save.PressOk();
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0], u"Внимание!: Заменить файл \"b.sav\"?");
    EXPECT_FALSE(save.accepted());  // Cancel: the picker stays, the name with it
    EXPECT_EQ(save.chosenName(), u"b");
    replace = true;
    save.PressOk();
    EXPECT_TRUE(save.accepted());
    EXPECT_EQ(save.picker().name(), u"b");
}

TEST_F(Pickers, ADoubleClickOpensOrSavesTheEntry) {
    FilePickerDialog open(FilePicker::Kind::Open, dir.path(), {}, Ask());
    ASSERT_TRUE(open.Create(nullptr));
    open.DoubleClick();  // nothing selected
    EXPECT_FALSE(open.accepted());
    open.SelectEntry(0);
    open.DoubleClick();
    EXPECT_TRUE(open.accepted());
    EXPECT_EQ(open.picker().name(), u"A.SAV");

    FilePickerDialog save(FilePicker::Kind::Save, dir.path(), u"x", Ask());
    ASSERT_TRUE(save.Create(nullptr));
    save.SelectEntry(1);
    replace = true;
    save.DoubleClick();
    EXPECT_EQ(questions.size(), 1u);
    EXPECT_TRUE(save.accepted());
}

// --- Help, circuit, about --------------------------------------------------------------

TEST(SecondaryWindows, HelpShowsTheTextFromItsStartNothingSelected) {
    HelpWindow window(u"Первая строка\nвторая\r\nтретья");
    ASSERT_TRUE(window.Create(nullptr));
    EXPECT_EQ(WindowText(window.hwnd()), help::kCaption);
    const HWND edit = window.Item(help::kEditId);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(WindowText(edit), u"Первая строка\r\nвторая\r\nтретья");
    DWORD from = 1, to = 1;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
    EXPECT_EQ(from, 0u);
    EXPECT_EQ(to, 0u);
    EXPECT_TRUE(GetWindowLongPtrW(edit, GWL_STYLE) & ES_READONLY);
    EXPECT_EQ(WindowText(window.Item(IDOK)), help::kOkText);
}

TEST(SecondaryWindows, AboutNamesTheProgramWithoutCuttingItsTitle) {
    AboutWindow window;
    ASSERT_TRUE(window.Create(nullptr));
    const HWND title = window.Item(kAboutTitleId);
    EXPECT_EQ(WindowText(title), about::kTitleText);
    EXPECT_EQ(WindowText(window.Item(kAboutVersionId)),
              Text(about::kVersionPrefix) + Text(kProgramVersion));
    EXPECT_EQ(WindowText(window.Item(IDOK)), u"OK");
    const RECT r = testing::ClientRectOf(title);
    const SIZE wrapped = testing::TextExtent(title, W(about::kTitleText), r.right);
    EXPECT_LE(wrapped.cy, r.bottom);
    EXPECT_LE(wrapped.cx, r.right);
}

// The pictures come from the program's SVG resources, drawn by GDI+.
TEST(SecondaryWindows, PicturesAreDrawnFromTheirResources) {
    const GdiplusSession gdiplus;
    for (const wchar_t* name : {L"circuit", L"core_e", L"core_e_dims", L"core_ei", L"core_ei_dims",
                                L"core_round", L"core_round_dims", L"core_other", L"kelvara"}) {
        SCOPED_TRACE(ToUtf8(T(name)));
        const svg::Picture& picture = ResourcePicture(name);
        ASSERT_TRUE(picture.valid);
        EXPECT_FALSE(picture.elements.empty());
        Gdiplus::Bitmap bitmap(200, 160, PixelFormat32bppARGB);
        {
            Gdiplus::Graphics g(&bitmap);
            g.Clear(Gdiplus::Color(255, 255, 0, 255));  // magenta: not in any picture
            DrawSvg(g, picture, Gdiplus::RectF(0, 0, 200, 160));
        }
        // The picture covers the middle; dark lines are drawn somewhere.
        Gdiplus::Color centre;
        bitmap.GetPixel(100, 80, &centre);
        EXPECT_FALSE(centre.GetR() == 255 && centre.GetG() == 0 && centre.GetB() == 255);
        int dark = 0;
        for (int y = 0; y < 160; y += 2) {
            for (int x = 0; x < 200; x += 2) {
                Gdiplus::Color c;
                bitmap.GetPixel(x, y, &c);
                if (c.GetR() + c.GetG() + c.GetB() < 300) ++dark;
            }
        }
        EXPECT_GT(dark, 20);
    }
    EXPECT_FALSE(ResourcePicture(L"no such picture").valid);
}

// --- The transfer characteristic --------------------------------------------------------

TEST(TransferCharacteristic, DrawsThePlotAndExportsPictureAndCurve) {
    const GdiplusSession gdiplus;
    TransferWindow window(4.384, 0.434, 0.6721, 1.0325, 100);
    ASSERT_TRUE(window.Create(nullptr));
    EXPECT_EQ(WindowText(window.hwnd()), transfer::kCaption);
    const TransferPlot plot = window.BuildPlot();
    ASSERT_TRUE(plot.drawn);
    EXPECT_TRUE(plot.peakFound);
    EXPECT_EQ(plot.marks.size(), 3u);
    // The drawing area is the client area less the button strip.
    const RECT area = window.DrawingArea();
    const RECT client = testing::ClientRectOf(window.hwnd());
    EXPECT_EQ(client.bottom - area.bottom,
              MulDiv(transfer::kButtonStripPixels, static_cast<int>(window.Dpi()), 96));
    EXPECT_EQ(plot.window.Width(),
              static_cast<int>((area.right - area.left) / window.PixelsPerUnit()));

    TempDir dir;
    ASSERT_TRUE(window.SaveImage(dir / "plot.png"));
    Gdiplus::Bitmap png((dir / "plot.png").c_str());
    EXPECT_EQ(static_cast<LONG>(png.GetWidth()), area.right - area.left);
    EXPECT_EQ(static_cast<LONG>(png.GetHeight()), area.bottom - area.top);
    // The curve is blue somewhere.
    int blue = 0;
    for (UINT y = 0; y < png.GetHeight(); y += 1) {
        for (UINT x = 0; x < png.GetWidth(); x += 3) {
            Gdiplus::Color c;
            png.GetPixel(static_cast<INT>(x), static_cast<INT>(y), &c);
            if (c.GetB() > 200 && c.GetR() < 80 && c.GetG() < 80) ++blue;
        }
    }
    EXPECT_GT(blue, 50);

    ASSERT_TRUE(window.SaveImage(dir / "plot.SVG"));
    EXPECT_EQ(FileBytes(dir / "plot.SVG"), TransferPlotSvg(window.BuildPlot()));
    ASSERT_TRUE(window.ExportCsv(dir / "curve.csv"));
    EXPECT_EQ(FileBytes(dir / "curve.csv"), GainCurveCsv(4.384, 0.434, 100));
    EXPECT_FALSE(window.ExportCsv(dir / "no such folder" / "curve.csv"));
    EXPECT_FALSE(window.SaveImage(dir / "no such folder" / "plot.png"));
}

TEST(TransferCharacteristic, BeforeAnyCalculationTheAreaStaysWhite) {
    const GdiplusSession gdiplus;
    TransferWindow window(0, 0, 0, 0, 0);
    ASSERT_TRUE(window.Create(nullptr));
    EXPECT_FALSE(window.BuildPlot().drawn);
    TempDir dir;
    EXPECT_FALSE(window.ExportCsv(dir / "curve.csv"));  // nothing to write
}

// --- Проверка проекта --------------------------------------------------------------------

TEST_F(Win32Window, CheckWindowShowsTheRowsAndCalculatesWithItsInputs) {
    OpenWindow();
    CheckWindow check(window->dialog());
    ASSERT_TRUE(check.Create(window->hwnd()));
    const DesignCheck& design = window->dialog().check();
    ASSERT_TRUE(design.done);
    ASSERT_EQ(check.table().rows().size(), design.rows.size());
    for (size_t i = 0; i < design.rows.size(); ++i) {
        EXPECT_EQ(check.table().rows()[i].cells[1], design.rows[i].label);
        EXPECT_EQ(check.table().rows()[i].cells[4], design.rows[i].note);
        EXPECT_EQ(check.table().rows()[i].status, design.rows[i].status);
    }
    EXPECT_EQ(check.SummaryText(), u"Проверка проекта: " + CheckCounts(design));
    // A note wraps in its column: its row is higher than a row without one.
    const std::vector<int> heights = check.table().RowHeights(check.Item(kCheckTableId));
    ASSERT_EQ(heights.size(), design.rows.size() + 1);
    EXPECT_TRUE(check.winding().drawn);
    for (const CheckInputDef& in : kCheckInputs) {
        EXPECT_EQ(WindowText(check.Input(in.key)), window->dialog().LaterInput(in.key));
    }
    // Another dead time calculates again; the rows are the new check's.
    SetWindowTextW(check.Input(u"tdead"), L"350");
    const int before = window->dialog().calculationsRun();
    testing::Click(check.Item(kCheckRecalculateId));
    EXPECT_EQ(window->dialog().calculationsRun(), before + 1);
    EXPECT_EQ(window->dialog().LaterInput(u"tdead"), u"350");
    EXPECT_EQ(WindowText(check.Input(u"tdead")), u"350");
    EXPECT_EQ(check.table().rows().size(), window->dialog().check().rows.size());
    // The checkbox calculates at once.
    testing::Click(check.Input(kCheckInterKey));
    EXPECT_EQ(window->dialog().LaterInput(kCheckInterKey), u"1");
    EXPECT_EQ(window->dialog().calculationsRun(), before + 2);
}

// --- Подбор сердечника ----------------------------------------------------------------------

TEST_F(Win32Window, AdviserListsTheRankedCoresSortableByAnyColumn) {
    OpenWindow();
    AdviserWindow adviser(window->dialog());
    ASSERT_TRUE(adviser.Create(window->hwnd()));
    adviser.Rank();
    const auto& candidates = adviser.candidates();
    ASSERT_FALSE(candidates.empty());
    const int rows = static_cast<int>(SendMessageW(adviser.list(), LVM_GETITEMCOUNT, 0, 0));
    ASSERT_EQ(rows, static_cast<int>(candidates.size()));
    // In the ranking's order at first, the first row selected.
    for (int r = 0; r < rows; ++r) {
        EXPECT_EQ(adviser.CellText(r, 0), FormatInt(r + 1));
        EXPECT_EQ(adviser.CellText(r, 1), candidates[static_cast<size_t>(r)].core);
    }
    EXPECT_EQ(SendMessageW(adviser.list(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED),
              0);
    // By the core volume, smallest first; again, largest first.
    adviser.SortBy(3);
    for (int r = 1; r < rows; ++r)
        EXPECT_LE(adviser.CandidateOfRow(r - 1)->Ve, adviser.CandidateOfRow(r)->Ve);
    adviser.SortBy(3);
    for (int r = 1; r < rows; ++r)
        EXPECT_GE(adviser.CandidateOfRow(r - 1)->Ve, adviser.CandidateOfRow(r)->Ve);
    // A row's cells are its candidate's, whatever the order.
    const Candidate* last = adviser.CandidateOfRow(rows - 1);
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(adviser.CellText(rows - 1, 1), last->core);
    // Choosing the selected row closes; the main window takes it.
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(adviser.list(), LVM_SETITEMSTATE, static_cast<WPARAM>(rows - 1),
                 reinterpret_cast<LPARAM>(&state));
    adviser.ChooseSelected();
    ASSERT_TRUE(adviser.chosen());
    EXPECT_EQ(adviser.chosen()->core, last->core);
    ApplyCandidate(window->dialog(), *adviser.chosen());
    EXPECT_EQ(window->dialog().inputs().core, last->core);
    EXPECT_EQ(TextOf(ctl::kCoreList), last->core);
}

// --- The report on paper -------------------------------------------------------------

// Pages as bitmaps of an A4 sheet at 60 dots per inch.
class BitmapPages : public PageSink {
  public:
    BitmapPages() {
        screen_ = GetDC(nullptr);
        dc_ = CreateCompatibleDC(screen_);
    }
    ~BitmapPages() override {
        if (bitmap_) DeleteObject(bitmap_);
        DeleteDC(dc_);
        ReleaseDC(nullptr, screen_);
    }
    static PageGeometry Geometry() {
        PageGeometry g;
        g.dpiX = g.dpiY = 60;
        g.width = 496;   // 210 mm
        g.height = 702;  // 297 mm
        return g;
    }
    HDC StartPage() override {
        if (bitmap_) DeleteObject(bitmap_);
        bitmap_ = CreateCompatibleBitmap(screen_, Geometry().width, Geometry().height);
        SelectObject(dc_, bitmap_);
        const RECT all{0, 0, Geometry().width, Geometry().height};
        FillRect(dc_, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        return dc_;
    }
    bool EndPage() override {
        // How much of the page is ink.
        int ink = 0;
        for (int y = 0; y < Geometry().height; y += 3)
            for (int x = 0; x < Geometry().width; x += 3)
                if (GetPixel(dc_, x, y) != RGB(255, 255, 255)) ++ink;
        inks.push_back(ink);
        return true;
    }
    std::vector<int> inks;

  private:
    HDC screen_;
    HDC dc_;
    HBITMAP bitmap_ = nullptr;
};

TEST_F(Win32Window, TheReportFillsItsPagesAndPutsEachPictureOnOneOfItsOwn) {
    OpenWindow();
    const GdiplusSession gdiplus;
    const ReportDocument report = window->CurrentReport();
    ASSERT_FALSE(report.plotSvg.empty());
    BitmapPages pages;
    const int n = PaintReportPages(pages, BitmapPages::Geometry(), report);
    // The text takes at least two pages at this size, then the transfer
    // characteristic and the windings a page each.
    EXPECT_GE(n, 4);
    ASSERT_EQ(pages.inks.size(), static_cast<size_t>(n));
    for (int ink : pages.inks) EXPECT_GT(ink, 100);
}

class RefusingPages : public PageSink {
  public:
    HDC StartPage() override { return nullptr; }
    bool EndPage() override { return true; }
};

TEST(ReportPages, APageThatCannotBeMadeFailsTheReport) {
    ReportDocument report;
    report.title = u"T";
    RefusingPages pages;
    EXPECT_EQ(PaintReportPages(pages, BitmapPages::Geometry(), report), 0);
}

}  // namespace
}  // namespace kelvara::win32
