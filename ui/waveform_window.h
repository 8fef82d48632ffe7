// "Осциллограммы": one steady-state period of the time-domain model at the
// lowest or the highest supply (a switch between them), with the values of
// every trace under the mouse; the picture saved as PNG or SVG, both
// corners' traces as CSV.
#pragma once

#include <QDialog>
#include <QWidget>
#include <array>

#include "session/waveform_plot.h"
#include "window/kelvara_dlg.h"

class QLabel;
class QPushButton;
class QRadioButton;

namespace kelvara::ui {

// One corner's picture; the cursor follows the mouse and shows the values.
class WaveformView : public QWidget {
    Q_OBJECT

  public:
    explicit WaveformView(QWidget* parent = nullptr);
    void SetCorner(const CornerWaveform* corner, bool stale);
    // The picture at the widget's present size.
    WaveformPlot BuildPlot() const;
    // The sample under the cursor (-1: none) and the text that shows it.
    int cursorSample() const { return cursor_; }
    QString CursorText() const;
    // Puts the cursor at picture x, as the mouse does.
    void MoveCursor(double x);
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    const CornerWaveform* corner_ = nullptr;
    bool stale_ = false;
    int cursor_ = -1;
};

// Draws a picture with `painter` in its own units (pixels).
void PaintWaveformPlot(QPainter& painter, const WaveformPlot& plot);

class WaveformWindow : public QDialog {
    Q_OBJECT

  public:
    WaveformWindow(QWidget* parent, CKelvaraDlg& dlg);

    WaveformView* view() const { return view_; }
    QRadioButton* lowest() const { return lowest_; }
    QRadioButton* highest() const { return highest_; }
    const std::array<CornerWaveform, 2>& corners() const { return corners_; }
    // The corner shown: 0 the lowest supply, 1 the highest.
    void ShowCorner(int index);

    // "Сохранить изображение...": PNG, or SVG for a name ending in ".svg".
    bool SaveImage(const QString& file) const;
    // "Экспорт CSV...": both corners' traces.
    bool ExportCsv(const QString& file) const;

  private:
    CKelvaraDlg& dlg_;
    std::array<CornerWaveform, 2> corners_;
    WaveformView* view_ = nullptr;
    QRadioButton* lowest_ = nullptr;
    QRadioButton* highest_ = nullptr;
    QLabel* summary_ = nullptr;
};

}  // namespace kelvara::ui
