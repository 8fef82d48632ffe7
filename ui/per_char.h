// "Передаточная характеристика": the gain of the designed resonant circuit
// against frequency, with the controller, minimum and maximum frequencies.
#pragma once

#include <QDialog>
#include <QFont>
#include <QImage>

#include "session/transfer_plot.h"

class QPainter;
class QPushButton;

namespace kelvara::ui {

// Draws `plot` with `painter`, whose device shows the plot's visible window at
// `pixelsPerUnit` device-independent pixels per logical unit, in `font`.
void PaintTransferPlot(QPainter& painter, const TransferPlot& plot, double pixelsPerUnit,
                       const QFont& font);

class CPerChar : public QDialog {
  public:
    // kL = kLact, Q = Qact, xMin, xMax (0 when not found) and Fr (kHz) of the
    // last calculation; `stale` when its inputs have been changed since.
    // xTdMin, xTdMax: the time-domain model's operating frequencies over Fr (0: none).
    CPerChar(QWidget* parent, double kL, double Q, double xMin, double xMax, double Fr,
             bool stale = false, double xTdMin = 0, double xTdMax = 0);

    // The client area less the 50-pixel strip at the bottom.
    QRect DrawingArea() const;
    // Pixels per logical unit of 0.1 mm on this window's screen.
    double PixelsPerUnit() const;
    // The picture's font, 35 units high.
    QFont PictureFont() const;
    // The primitives for the present drawing area.
    TransferPlot BuildPlot() const;
    // The drawing area as paint shows it, drawn off screen.
    QImage RenderPicture() const;

    QPushButton* OkButton() const { return ok_; }

    // "Сохранить изображение": the picture as PNG (at the screen's pixel
    // ratio) or, for a name ending in ".svg", as SVG; "Экспорт CSV": the gain
    // curve. False when the file cannot be written.
    bool SaveImage(const QString& file) const;
    bool ExportCsv(const QString& file) const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    double kL_, Q_, xMin_, xMax_, Fr_;
    double xTdMin_ = 0, xTdMax_ = 0;
    bool stale_ = false;
    QPushButton* ok_ = nullptr;
    QPushButton* saveImage_ = nullptr;
    QPushButton* exportCsv_ = nullptr;
};

}  // namespace kelvara::ui
