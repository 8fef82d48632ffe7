// "Помощь", "Типовая схема резонансного полумостового преобразователя" and
// "О программе...", laid out from window/secondary_layout.h.
#pragma once

#include <string_view>

#include "ui_win32/dialog.h"
#include "window/text.h"

namespace kelvara::win32 {

// The help text (control 1007, read-only, every line end a line break).
class HelpWindow : public Dialog {
  public:
    explicit HelpWindow(Text text) : text_(std::move(text)) {}
    bool Create(HWND owner);

  protected:
    void OnInit() override;
    void OnCommand(int id, int code, HWND control) override;

  private:
    Text text_;
};

// The circuit at its own size, never stretched, centred in its area.
class CircuitWindow : public Dialog {
  public:
    bool Create(HWND owner);

  protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
    void OnCommand(int id, int code, HWND control) override;
};

// The program's name, version and date beside its icon.
class AboutWindow : public Dialog {
  public:
    bool Create(HWND owner);

  protected:
    void OnInit() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
    void OnCommand(int id, int code, HWND control) override;
};

// Control ids of the pictures.
inline constexpr int kCircuitPictureId = 1000;
inline constexpr int kAboutIconId = 1000;
inline constexpr int kAboutTitleId = 1001;
inline constexpr int kAboutVersionId = 1002;
inline constexpr int kAboutDateId = 1003;

void ShowHelp(HWND owner, const Text& text);
void ShowCircuit(HWND owner);
void ShowAbout(HWND owner);

// Draws a resource picture (resources/<name>.svg) into an owner-drawn control,
// off screen and copied in one step: at its own size (a DPI's worth of it)
// centred, or fitted to the control when `fit`; an empty name leaves the
// control blank.
void DrawPictureItem(const DRAWITEMSTRUCT& item, std::wstring_view name, UINT dpi, bool fit);

// Places a centred static text in `rect` (pixels) so that none of it is cut
// off in a font wider than the layout was made for: one line widens about its
// centre; wrapped lines first widen about the centre up to `maxWidth` pixels,
// then lengthen downward. Returns the rectangle used.
RECT FitCentredText(HWND control, RECT rect, bool wrap, int maxWidth);

}  // namespace kelvara::win32
