#include "ui/shape_picture.h"

#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace kelvara::ui {

QString ShapePictureFile(int32_t shape, int32_t addBySize) {
    const bool dims = addBySize == 1;
    switch (shape) {
        case 0:
            return dims ? QStringLiteral(":/resources/core_e_dims.svg")
                        : QStringLiteral(":/resources/core_e.svg");
        case 1:
            return dims ? QStringLiteral(":/resources/core_ei_dims.svg")
                        : QStringLiteral(":/resources/core_ei.svg");
        case 2:
        case 3:
            return dims ? QStringLiteral(":/resources/core_round_dims.svg")
                        : QStringLiteral(":/resources/core_round.svg");
        case 4:
            return QStringLiteral(":/resources/core_other.svg");
        default:
            return {};
    }
}

void RenderPicture(QSvgRenderer& renderer, QPainter& painter, const QRectF& target) {
    QSizeF size = renderer.viewBoxF().size();
    if (size.isEmpty()) size = renderer.defaultSize();
    if (size.isEmpty()) return;
    size.scale(target.size(), Qt::KeepAspectRatio);
    const QRectF placed(target.x() + (target.width() - size.width()) / 2,
                        target.y() + (target.height() - size.height()) / 2, size.width(),
                        size.height());
    renderer.render(&painter, placed);
}

ShapePicture::ShapePicture(std::function<QString()> current, QWidget* parent)
    : QWidget(parent), current_(std::move(current)) {}

ShapePicture::~ShapePicture() = default;

void ShapePicture::paintEvent(QPaintEvent*) {
    painted_ = current_ ? current_() : QString();
    if (painted_.isEmpty()) return;
    auto& renderer = renderers_[painted_];
    if (!renderer) renderer = std::make_unique<QSvgRenderer>(painted_);
    if (!renderer->isValid()) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    RenderPicture(*renderer, painter, QRectF(rect()));
}

QIcon ProgramIcon() {
    QSvgRenderer renderer(QStringLiteral(":/resources/kelvara.svg"));
    QIcon icon;
    if (!renderer.isValid()) return icon;
    for (int side : {16, 24, 32, 48, 64, 128}) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        RenderPicture(renderer, painter, QRectF(0, 0, side, side));
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace kelvara::ui
