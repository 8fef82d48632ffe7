// "Передаточная характеристика": the gain of the designed resonant circuit
// against frequency, drawn with GDI+ from the picture's geometry
// (session/transfer_plot.h); its picture saves as PNG or SVG, its curve as CSV.
#pragma once

#include <filesystem>
#include <memory>

#include "session/transfer_plot.h"
#include "ui_win32/dialog.h"
#include "ui_win32/gdiplus.h"

namespace kelvara::win32 {

// Draws `plot` on `g`, whose origin is the drawing area's top left corner, at
// `pixelsPerUnit` pixels per logical unit, in `font`.
void PaintTransferPlot(Gdiplus::Graphics& g, const TransferPlot& plot, double pixelsPerUnit,
                       const Gdiplus::Font& font);

inline constexpr int kSaveImageId = 1001;
inline constexpr int kExportCsvId = 1002;

class TransferWindow : public Dialog {
  public:
    // kL = kLact, Q = Qact, xMin, xMax (0 when not found) and Fr (kHz) of the
    // last calculation; `stale` when its inputs have been changed since;
    // xTdMin, xTdMax: the time-domain model's frequencies over Fr (0: none).
    TransferWindow(double kL, double Q, double xMin, double xMax, double Fr, bool stale = false,
                   double xTdMin = 0, double xTdMax = 0);
    bool Create(HWND owner);

    // The client area less the strip at the bottom (50 pixels at 96 dpi).
    RECT DrawingArea() const;
    // Pixels per logical unit of 0.1 mm at the window's DPI.
    double PixelsPerUnit() const;
    // The picture's font, 35 units high (the name of the family used).
    std::unique_ptr<Gdiplus::Font> PictureFont() const;
    std::wstring FontFamilyName() const;
    // The primitives for the present drawing area.
    TransferPlot BuildPlot() const;
    // The drawing area as the window shows it, drawn off screen.
    std::unique_ptr<Gdiplus::Bitmap> RenderPicture() const;

    // "Сохранить изображение": PNG, or SVG for a name ending in ".svg";
    // "Экспорт CSV": the gain curve. False when the file cannot be written.
    bool SaveImage(const std::filesystem::path& file) const;
    bool ExportCsv(const std::filesystem::path& file) const;

  protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
    void OnCommand(int id, int code, HWND control) override;

  private:
    double kL_, Q_, xMin_, xMax_, Fr_;
    bool stale_;
    double xTdMin_, xTdMax_;
};

void ShowTransferCharacteristic(HWND owner, double kL, double Q, double xMin, double xMax,
                                double Fr, bool stale, double xTdMin = 0, double xTdMax = 0);

}  // namespace kelvara::win32
