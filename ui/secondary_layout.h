// Building blocks of the secondary windows (transfer characteristic, help,
// typical circuit, about), laid out in dialog units of their font.
#pragma once

#include <QRect>
#include <QSize>
#include <QString>

#include "ui/dialog_layout.h"

class QDialog;
class QLabel;
class QPixmap;
class QPushButton;
class QWidget;

namespace kelvara::ui::secondary {

// Makes `dialog` a fixed-size modal window with a caption and a close box
// only, whose client area is width × height dialog units of its font (the
// application's font, inherited). Returns the units.
DialogUnits SetUpDialog(QDialog& dialog, const QString& caption, int width, int height);

// A push button at (x, y, w, h) dialog units that closes the dialog as
// accepted; `isDefault` makes it the button that Enter presses.
QPushButton* AddCloseButton(QDialog& dialog, const DialogUnits& units, const QString& text, int x,
                            int y, int w, int h, bool isDefault);
inline QPushButton* AddCloseButton(QDialog& dialog, const DialogUnits& units, const QString& text,
                                   const DluRect& r, bool isDefault) {
    return AddCloseButton(dialog, units, text, r.x, r.y, r.w, r.h, isDefault);
}

// A centred static text in `rect` (pixels). A font wider than the layout was
// made for never cuts a text off: a single line widens its rectangle about its
// centre; a word-wrapped text that needs more lines than fit first widens it
// about its centre, up to `maxWidth` pixels, and then lengthens it downward.
QLabel* AddCentredText(QWidget& parent, const QString& text, const QRect& rect, bool wordWrap,
                       int maxWidth = 0);

// The picture of an SVG resource at `size` device-independent pixels (its own
// size when `size` is empty), sharp at `ratio` device pixels per pixel. A null
// pixmap when the resource is missing or unreadable.
QPixmap RenderSvg(const QString& resource, QSize size, double ratio);

}  // namespace kelvara::ui::secondary
