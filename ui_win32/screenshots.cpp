// kelvara-screenshots.exe: the windows of the Win32 program as PNG pictures,
// for the README and for looking at what users see. Started in a program
// folder (like the window), it opens the main window on the remembered design
// and writes, into the folder given, main.png, one picture of each further
// window and the report's pages as printed (report-1.png, ...):
//
//   kelvara-screenshots OUTDIR [DESIGN.sav]
//
// Under Wine run it in a virtual desktop (wine explorer /desktop=...), so that
// Wine draws the windows' frames too.
#include <filesystem>
#include <string>

#include "ui_win32/adviser_window.h"
#include "ui_win32/app.h"
#include "ui_win32/check_window.h"
#include "ui_win32/file_pickers.h"
#include "ui_win32/gdiplus.h"
#include "ui_win32/language.h"
#include "ui_win32/main_window.h"
#include "ui_win32/report_output.h"
#include "ui_win32/screen_capture.h"
#include "ui_win32/secondary_windows.h"
#include "ui_win32/transfer_window.h"
#include "ui_win32/waveform_window.h"
#include "ui_win32/win_text.h"
#include "window/help_text.h"

using namespace kelvara;
using namespace kelvara::win32;

namespace {

// The report's pages as the printer gets them, at 96 dots per inch on A4.
class PagePictures : public PageSink {
  public:
    explicit PagePictures(std::filesystem::path dir) : dir_(std::move(dir)) {
        screen_ = GetDC(nullptr);
        dc_ = CreateCompatibleDC(screen_);
    }
    ~PagePictures() override {
        DeleteDC(dc_);
        ReleaseDC(nullptr, screen_);
    }
    static PageGeometry Geometry() {
        PageGeometry g;
        g.dpiX = g.dpiY = 96;
        g.width = 794;    // 210 mm
        g.height = 1123;  // 297 mm
        return g;
    }
    HDC StartPage() override {
        bitmap_ = CreateCompatibleBitmap(screen_, Geometry().width, Geometry().height);
        old_ = SelectObject(dc_, bitmap_);
        const RECT all{0, 0, Geometry().width, Geometry().height};
        FillRect(dc_, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        return dc_;
    }
    bool EndPage() override {
        SelectObject(dc_, old_);
        const std::filesystem::path file = dir_ / ("report-" + std::to_string(++pages_) + ".png");
        bool ok = false;
        {
            Gdiplus::Bitmap picture(bitmap_, nullptr);
            ok = SavePng(picture, file.native());
        }
        DeleteObject(bitmap_);
        PrintOut((ok ? "wrote " : "could not write ") + ToUtf8(T(file.native())) + "\n");
        return ok;
    }

  private:
    std::filesystem::path dir_;
    HDC screen_, dc_;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ old_ = nullptr;
    int pages_ = 0;
};

bool Save(Dialog& window, const std::filesystem::path& dir, const wchar_t* name) {
    // Near the top left corner, wholly on the screen (what is off it is not
    // captured).
    RECT r{};
    GetWindowRect(window.hwnd(), &r);
    const int x = std::max(0L, std::min(16L, GetSystemMetrics(SM_CXSCREEN) - (r.right - r.left)));
    SetWindowPos(window.hwnd(), nullptr, x, 16, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    const std::filesystem::path file = dir / name;
    const bool ok = CaptureWindow(window.hwnd(), file.native());
    PrintOut((ok ? "wrote " : "could not write ") + ToUtf8(T(file.native())) + "\n");
    ShowWindow(window.hwnd(), SW_HIDE);
    return ok;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
    int count = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!argv || count < 2) {
        PrintError("usage: kelvara-screenshots OUTDIR [DESIGN.sav]\n");
        return 2;
    }
    const std::filesystem::path dir(argv[1]);
    const std::filesystem::path design = count > 2 ? std::filesystem::path(argv[2]) : "";
    LocalFree(argv);
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    InitControls();
    const GdiplusSession gdiplus;

    MainWindow window;
    if (!window.Create()) return 1;
    window.SetMessageHook([](TextView caption, TextView text, View::Buttons) {
        PrintOut(ToUtf8(caption) + ": " + ToUtf8(text) + "\n");
        return View::Answer::Ok;
    });
    if (!window.Open(std::filesystem::current_path())) return 1;
    if (!design.empty()) window.dialog().OpenDesign(design);
    window.Show();
    bool ok = Save(window, dir, L"main.png");
    const HWND owner = window.hwnd();
    ShowWindow(owner, SW_SHOW);

    CheckWindow check(window.dialog());
    ok = check.Create(owner) && Save(check, dir, L"check.png") && ok;

    AdviserWindow adviser(window.dialog());
    if (adviser.Create(owner)) {
        adviser.Rank();
        ok = Save(adviser, dir, L"adviser.png") && ok;
    }

    const DesignResults& r = window.dialog().results();
    const TdMarks td = TdMarksOf(window.dialog().check(), r.Fr);
    TransferWindow transfer(r.kLact, r.Qact, r.xMinFound ? r.xMin : 0, r.xMaxFound ? r.xMax : 0,
                            r.Fr, false, td.xMin, td.xMax);
    ok = transfer.Create(owner) && Save(transfer, dir, L"transfer.png") && ok;

    // The waveforms with the cursor a third into the period.
    WaveformWindow waveforms(window.dialog());
    if (waveforms.Create(owner)) {
        const WaveformPlot plot = waveforms.BuildPlot();
        if (!plot.panels.empty()) {
            // The mouse there, so that the window keeps the cursor where it is.
            SetWindowPos(waveforms.hwnd(), nullptr, 16, 16, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
            const WavePanel& p = plot.panels.front();
            const RECT area = waveforms.PictureArea();
            POINT at{area.left + static_cast<LONG>(p.left + (p.right - p.left) / 3),
                     area.top + static_cast<LONG>(p.top + 10)};
            ClientToScreen(waveforms.hwnd(), &at);
            SetCursorPos(at.x, at.y);
            waveforms.MoveCursor(p.left + (p.right - p.left) / 3);
        }
        ok = Save(waveforms, dir, L"waveforms.png") && ok;
    }

    if (const auto text = ReadHelpText(window.dialog().settingsFolder())) {
        HelpWindow help(*text);
        ok = help.Create(owner) && Save(help, dir, L"help.png") && ok;
    }
    CircuitWindow circuit;
    ok = circuit.Create(owner) && Save(circuit, dir, L"circuit.png") && ok;
    AboutWindow about;
    ok = about.Create(owner) && Save(about, dir, L"about.png") && ok;

    const auto yes = [](TextView, TextView) { return true; };
    FilePickerDialog open(FilePicker::Kind::Open, window.dialog().settingsFolder(), {}, yes);
    ok = open.Create(owner) && Save(open, dir, L"open.png") && ok;
    FilePickerDialog save(FilePicker::Kind::Save, window.dialog().settingsFolder(),
                          window.dialog().SuggestedSaveName(), yes);
    ok = save.Create(owner) && Save(save, dir, L"save.png") && ok;
    PagePictures pages(dir);
    ok = PaintReportPages(pages, PagePictures::Geometry(), window.CurrentReport()) > 0 && ok;

    // The main window in English, the choice kept under a key of the tool's
    // own (the user's stays as it was).
    const std::wstring key = L"Software\\Kelvara\\Screenshots";
    SetLanguageKey(key);
    window.ChooseLanguage(Language::English);
    ok = Save(window, dir, L"main-en.png") && ok;
    window.ChooseLanguage(Language::Russian);
    RegDeleteTreeW(HKEY_CURRENT_USER, key.c_str());
    SetLanguageKey(kLanguageKey);
    return ok ? 0 : 1;
}
