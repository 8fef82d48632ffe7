#include "ui_win32/dialog_template.h"

#include <cmath>

#include "ui_win32/win_text.h"

namespace kelvara::win32 {

namespace {

int CALLBACK FoundFont(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool FontInstalled(const wchar_t* face) {
    LOGFONTW lf{};
    lf.lfCharSet = DEFAULT_CHARSET;
    wcsncpy(lf.lfFaceName, face, LF_FACESIZE - 1);
    bool found = false;
    HDC dc = GetDC(nullptr);
    EnumFontFamiliesExW(dc, &lf, FoundFont, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, dc);
    return found;
}

DialogFont ChooseFont() {
    DialogFont font;
    // Segoe UI is the system's own; Arial, or Liberation Sans with Arial's
    // metrics, the font the layout was first measured with.
    for (const wchar_t* face : {L"Segoe UI", L"Arial", L"Liberation Sans"}) {
        if (FontInstalled(face)) {
            font.face = face;
            font.points = 9;
            return font;
        }
    }
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0) &&
        metrics.lfMessageFont.lfFaceName[0] != 0) {
        font.face = metrics.lfMessageFont.lfFaceName;
        // The height is in pixels of the system's DPI; a template wants points.
        HDC dc = GetDC(nullptr);
        const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
        ReleaseDC(nullptr, dc);
        const long height = std::labs(metrics.lfMessageFont.lfHeight);
        if (height > 0 && dpi > 0) {
            font.points = static_cast<WORD>(std::lround(height * 72.0 / dpi));
        }
        return font;
    }
    font.face = L"MS Shell Dlg";
    font.points = 8;
    return font;
}

}  // namespace

const DialogFont& ProgramFont() {
    static const DialogFont font = ChooseFont();
    return font;
}

ControlClass ClassOf(const ControlDef& def) {
    constexpr DWORD tab = WS_TABSTOP;
    switch (def.kind) {
        case ControlKind::GroupBox:
            return {WC_BUTTONW, BS_GROUPBOX, 0};
        case ControlKind::Label:
            // Tall labels wrap their words; one-line labels never do.
            return {WC_STATICW,
                    static_cast<DWORD>(SS_NOPREFIX | (def.h >= 16 ? SS_LEFT : SS_LEFTNOWORDWRAP)),
                    0};
        case ControlKind::LabelCentre:
            return {WC_STATICW, SS_NOPREFIX | SS_CENTER, 0};
        case ControlKind::LabelRight:
        case ControlKind::Value:
            return {WC_STATICW, SS_NOPREFIX | SS_RIGHT, 0};
        case ControlKind::Edit:
            return {WC_EDITW, ES_CENTER | ES_AUTOHSCROLL | tab, WS_EX_CLIENTEDGE};
        case ControlKind::NameEdit:
            return {WC_EDITW,
                    ES_LEFT | ES_AUTOHSCROLL | tab | ((def.flags & kReadOnly) ? ES_READONLY : 0),
                    WS_EX_CLIENTEDGE};
        case ControlKind::Radio:
            return {WC_BUTTONW, BS_AUTORADIOBUTTON | tab, 0};
        case ControlKind::CheckBox:
            return {WC_BUTTONW, BS_AUTOCHECKBOX | tab, 0};
        case ControlKind::ComboBox:
            return {WC_COMBOBOXW, CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | tab, 0};
        case ControlKind::ListBox:
            // The picker sorts the names itself, ignoring letter case.
            return {WC_LISTBOXW, LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER | tab,
                    0};
        case ControlKind::Button:
            return {WC_BUTTONW, ((def.flags & kDefault) ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | tab,
                    0};
    }
    return {WC_STATICW, 0, 0};
}

DialogTemplate::DialogTemplate(TextView caption, DWORD style, DWORD exStyle, int width,
                               int height) {
    const DialogFont& font = ProgramFont();
    Word(1);       // dlgVer
    Word(0xFFFF);  // signature: an extended template
    DWord(0);      // helpID
    DWord(exStyle);
    DWord(style | DS_SETFONT);
    Word(0);  // number of controls, counted as they are added
    Word(0);  // x
    Word(0);  // y
    Word(static_cast<WORD>(width));
    Word(static_cast<WORD>(height));
    Word(0);  // no menu
    Word(0);  // the dialog class
    String(W(Tr(caption)));
    Word(font.points);
    Word(FW_NORMAL);
    Word(DEFAULT_CHARSET << 8);  // italic 0, then the character set
    String(font.face);
}

void DialogTemplate::DWord(DWORD d) {
    Word(LOWORD(d));
    Word(HIWORD(d));
}

void DialogTemplate::String(std::wstring_view s) {
    for (wchar_t c : s) Word(static_cast<WORD>(c));
    Word(0);
}

void DialogTemplate::AlignToDWord() {
    if (words_.size() % 2 != 0) Word(0);
}

void DialogTemplate::Add(std::span<const ControlDef> table) {
    for (const ControlDef& def : table) Add(def);
}

void DialogTemplate::Add(const ControlDef& def) {
    const ControlClass c = ClassOf(def);
    DWORD style = c.style;
    // A group of radio buttons runs from its first button up to the next
    // control that is not one of its buttons.
    if (def.kind != ControlKind::Radio || (def.flags & kGroupStart)) style |= WS_GROUP;
    DluRect r{def.x, def.y, def.w, def.h};
    if (def.kind == ControlKind::ComboBox) r.h += kComboListHeight;
    AddControl(def.id, c.className, def.text, style, c.exStyle, r);
}

void DialogTemplate::AddControl(int id, const wchar_t* className, TextView text, DWORD style,
                                DWORD exStyle, const DluRect& rect) {
    AlignToDWord();
    DWord(0);  // helpID
    DWord(exStyle);
    DWord(style | WS_CHILD | WS_VISIBLE);
    Word(static_cast<WORD>(rect.x));
    Word(static_cast<WORD>(rect.y));
    Word(static_cast<WORD>(rect.w));
    Word(static_cast<WORD>(rect.h));
    DWord(static_cast<DWORD>(id));
    String(className);
    String(W(Tr(text)));
    Word(0);  // no creation data
    ++count_;
    words_[8] = static_cast<WORD>(count_);
}

}  // namespace kelvara::win32
