// The core-shape picture of the main window's core group.
#pragma once

#include <QString>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>

class QSvgRenderer;

namespace kelvara::ui {

// The resource path of the picture for a shape and the dimension mode
// (add_by_size = 1 shows the dimension drawing); empty for a shape outside 0..4.
QString ShapePictureFile(int32_t shape, int32_t addBySize);

// Renders an SVG resource into `target`, keeping its proportions, centred.
void RenderPicture(QSvgRenderer& renderer, QPainter& painter, const QRectF& target);

// Paints the picture that `current` names at the moment of painting.
class ShapePicture : public QWidget {
  public:
    ShapePicture(std::function<QString()> current, QWidget* parent);
    ~ShapePicture() override;

    // The picture painted last (empty when none).
    const QString& paintedFile() const { return painted_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::function<QString()> current_;
    std::map<QString, std::unique_ptr<QSvgRenderer>> renderers_;
    QString painted_;
};

// The program's icon, rendered from its SVG.
QIcon ProgramIcon();

}  // namespace kelvara::ui
