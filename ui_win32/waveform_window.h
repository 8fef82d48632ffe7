// "Осциллограммы": one steady-state period of the time-domain model at each
// supply corner (a switch between the two), drawn with GDI+ from the
// picture's geometry (session/waveform_plot.h); the cursor under the mouse
// shows the values at its instant; the picture saves as PNG or SVG, both
// corners' traces as CSV.
#pragma once

#include <array>
#include <filesystem>
#include <memory>

#include "session/waveform_plot.h"
#include "session/waveforms.h"
#include "ui_win32/dialog.h"
#include "ui_win32/gdiplus.h"

namespace kelvara {
class CKelvaraDlg;
}

namespace kelvara::win32 {

inline constexpr int kWaveLowestId = 1101;
inline constexpr int kWaveHighestId = 1102;
inline constexpr int kWaveSummaryId = 1103;
inline constexpr int kWaveSaveImageId = 1104;
inline constexpr int kWaveExportCsvId = 1105;
inline constexpr int kWaveCloseId = IDOK;

// Draws `plot` on `g` (origin at the picture's top left corner) in `font`.
void PaintWaveformPlot(Gdiplus::Graphics& g, const WaveformPlot& plot, const Gdiplus::Font& font);

class WaveformWindow : public Dialog {
  public:
    // The corners of the design the window `dlg` shows, as it stands.
    explicit WaveformWindow(CKelvaraDlg& dlg);
    bool Create(HWND owner);
    void Run(HWND owner);

    // 0: the lowest supply voltage, 1: the highest.
    void ShowCorner(int index);
    int cornerIndex() const { return corner_; }
    const std::array<CornerWaveform, 2>& corners() const { return corners_; }

    // Where the picture stands in the client area, pixels.
    RECT PictureArea() const;
    // The primitives for the present picture area, in the window's font.
    WaveformPlot BuildPlot() const;
    // The picture as the window shows it (the cursor when `withCursor`).
    std::unique_ptr<Gdiplus::Bitmap> RenderPicture(bool withCursor) const;

    // The mouse at picture x (pixels): the cursor on the nearest sample, or
    // none outside the panels.
    void MoveCursor(double x);
    int cursorSample() const { return cursor_; }
    // The values at the cursor ("" without one).
    Text CursorText() const;

    // "Сохранить изображение...": PNG, or SVG for a name ending in ".svg";
    // "Экспорт CSV...": both corners. False when nothing could be written.
    bool SaveImage(const std::filesystem::path& file) const;
    bool ExportCsv(const std::filesystem::path& file) const;

  protected:
    void OnInit() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
    void OnCommand(int id, int code, HWND control) override;

  private:
    std::unique_ptr<Gdiplus::Font> PictureFont(HDC dc) const;
    void InvalidatePicture();

    CKelvaraDlg& dlg_;
    std::array<CornerWaveform, 2> corners_;
    int corner_ = 0;
    int cursor_ = -1;
    bool tracking_ = false;
};

}  // namespace kelvara::win32
