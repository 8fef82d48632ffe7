#include "ui/secondary_layout.h"

#include <QDialog>
#include <QFile>
#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QSvgRenderer>
#include <algorithm>
#include <cmath>

namespace kelvara::ui::secondary {

DialogUnits SetUpDialog(QDialog& dialog, const QString& caption, int width, int height) {
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    dialog.setWindowTitle(caption);
    dialog.setModal(true);
    dialog.setSizeGripEnabled(false);
    const DialogUnits units = DialogUnits::ForFont(dialog.font());
    dialog.setFixedSize(units.ToSize(width, height));
    return units;
}

QPushButton* AddCloseButton(QDialog& dialog, const DialogUnits& units, const QString& text, int x,
                            int y, int w, int h, bool isDefault) {
    auto* button = new QPushButton(text, &dialog);
    button->setGeometry(units.ToRect(x, y, w, h));
    button->setDefault(isDefault);
    button->setAutoDefault(isDefault);
    QObject::connect(button, &QPushButton::clicked, &dialog, &QDialog::accept);
    return button;
}

namespace {

// `r` made `width` wide about the same centre.
QRect WidenedAboutCentre(const QRect& r, int width) {
    const int twiceCentre = 2 * r.left() + r.width();
    return QRect((twiceCentre - width) / 2, r.top(), width, r.height());
}

}  // namespace

QLabel* AddCentredText(QWidget& parent, const QString& text, const QRect& rect, bool wordWrap,
                       int maxWidth) {
    auto* label = new QLabel(text, &parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setWordWrap(wordWrap);
    QRect r = rect;
    if (wordWrap) {
        const auto heightAt = [&](int width) { return label->heightForWidth(width); };
        for (int width = r.width(); heightAt(r.width()) > r.height() && width < maxWidth;) {
            width = std::min(maxWidth, width + 2);
            r = WidenedAboutCentre(rect, width);
        }
        r.setHeight(std::max(r.height(), heightAt(r.width())));
    } else {
        const QFontMetrics fm(label->font());
        const int needed = fm.horizontalAdvance(text) + 2;
        if (needed > r.width()) r = WidenedAboutCentre(r, needed);
        r.setHeight(std::max(r.height(), fm.height()));
    }
    label->setGeometry(r);
    return label;
}

QPixmap RenderSvg(const QString& resource, QSize size, double ratio) {
    if (!QFile::exists(resource)) return QPixmap();
    QSvgRenderer renderer(resource);
    if (!renderer.isValid()) return QPixmap();
    if (size.isEmpty()) size = renderer.defaultSize();
    if (size.isEmpty()) return QPixmap();
    QPixmap pixmap(QSize(static_cast<int>(std::ceil(size.width() * ratio)),
                         static_cast<int>(std::ceil(size.height() * ratio))));
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    return pixmap;
}

}  // namespace kelvara::ui::secondary
