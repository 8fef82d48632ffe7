#include "ui/per_char.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QMessageBox>
#include <QPainter>
#include <QPolygonF>
#include <QPushButton>
#include <QSaveFile>
#include <algorithm>
#include <cmath>

#include "session/report.h"
#include "ui/qt_text.h"
#include "ui/secondary_layout.h"
#include "window/secondary_layout.h"

namespace kelvara::ui {
namespace {

// Height of the strip under the picture, where the button sits, in pixels.
constexpr int kButtonStrip = transfer::kButtonStripPixels;
// Thin grid lines closer than this, in pixels, would run together.
constexpr double kMinLinePixels = 8;

QColor ToQColor(PlotColour colour) {
    switch (colour) {
        case PlotColour::Blue:
            return QColor(0, 0, 255);
        case PlotColour::Red:
            return QColor(255, 0, 0);
        case PlotColour::Green:
            return QColor(0, 0x8a, 0x3a);
        case PlotColour::Black:
            break;
    }
    return QColor(0, 0, 0);
}

// Maps logical units (y up) into the picture's pixels (y down).
class Mapping {
  public:
    Mapping(const PlotRect& window, double pixelsPerUnit)
        : left_(window.left), top_(window.top), k_(pixelsPerUnit) {}

    QPointF Point(int x, int y) const { return QPointF((x - left_) * k_, (top_ - y) * k_); }
    QRectF Rect(const PlotRect& r) const {
        return QRectF(Point(r.left, r.top), Point(r.right, r.bottom));
    }
    // Pen widths are logical units; a pen is never thinner than a pixel.
    double Width(int units) const { return std::max(1.0, units * k_); }

  private:
    double left_, top_, k_;
};

QPen MakePen(const Mapping& map, PlotColour colour, int width) {
    return QPen(ToQColor(colour), map.Width(width), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void DrawLine(QPainter& painter, const Mapping& map, const PlotLine& line) {
    painter.setPen(MakePen(map, line.colour, line.width));
    painter.drawLine(map.Point(line.x1, line.y1), map.Point(line.x2, line.y2));
}

void DrawLabel(QPainter& painter, const Mapping& map, const PlotLabel& label) {
    const QRectF rect = map.Rect(label.rect);
    // Texts are black on a white box, so grid lines never cross them.
    painter.fillRect(rect, Qt::white);
    int flags = Qt::AlignVCenter | Qt::TextDontClip | Qt::TextSingleLine;
    switch (label.align) {
        case LabelAlign::Left:
            flags |= Qt::AlignLeft;
            break;
        case LabelAlign::Centre:
            flags |= Qt::AlignHCenter;
            break;
        case LabelAlign::Right:
            flags |= Qt::AlignRight;
            break;
    }
    painter.setPen(ToQColor(label.colour));
    painter.drawText(rect, flags, ToQ(label.text));
}

}  // namespace

void PaintTransferPlot(QPainter& painter, const TransferPlot& plot, double pixelsPerUnit,
                       const QFont& font) {
    const Mapping map(plot.window, pixelsPerUnit);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setFont(font);
    for (const PlotLine& line : plot.grid) DrawLine(painter, map, line);
    for (const PlotLabel& label : plot.gridLabels) DrawLabel(painter, map, label);
    // Every label goes down before the curve and the red marks, so a label
    // that lies across the curve never hides part of it.
    for (const PlotMark& mark : plot.marks) DrawLabel(painter, map, mark.label);
    if (!plot.curve.empty()) {
        QPolygonF curve;
        curve.reserve(static_cast<qsizetype>(plot.curve.size()));
        for (const PlotPoint& p : plot.curve) curve.append(map.Point(p.x, p.y));
        painter.setPen(MakePen(map, kCurveColour, kCurveWidth));
        painter.drawPolyline(curve);
    }
    for (const PlotMark& mark : plot.marks) {
        for (const PlotLine& line : mark.lines) DrawLine(painter, map, line);
    }
    painter.restore();
}

CPerChar::CPerChar(QWidget* parent, double kL, double Q, double xMin, double xMax, double Fr,
                   bool stale, double xTdMin, double xTdMax)
    : QDialog(parent),
      kL_(kL),
      Q_(Q),
      xMin_(xMin),
      xMax_(xMax),
      Fr_(Fr),
      xTdMin_(xTdMin),
      xTdMax_(xTdMax),
      stale_(stale) {
    const DialogUnits units =
        secondary::SetUpDialog(*this, TrQ(transfer::kCaption), transfer::kWidth, transfer::kHeight);
    ok_ = secondary::AddCloseButton(*this, units, TrQ(transfer::kOkText), transfer::kOk, true);
    saveImage_ = new QPushButton(TrQ(transfer::kSaveImageText), this);
    saveImage_->setGeometry(units.ToRect(transfer::kSaveImage));
    exportCsv_ = new QPushButton(TrQ(transfer::kExportCsvText), this);
    exportCsv_->setGeometry(units.ToRect(transfer::kExportCsv));
    const QString folder = QDir::currentPath() + QStringLiteral("/");
    connect(saveImage_, &QPushButton::clicked, this, [this, folder] {
        QString selected;
        const QString file = QFileDialog::getSaveFileName(
            this, QCoreApplication::translate("Kelvara", "Сохранить изображение"),
            folder + ToQ(transfer::kImageName),
            QCoreApplication::translate("Kelvara", "Изображение PNG (*.png);;Рисунок SVG (*.svg)"),
            &selected);
        if (file.isEmpty()) return;
        QString target = file;
        if (QFileInfo(target).suffix().isEmpty())
            target += selected.contains(QStringLiteral("svg")) ? QStringLiteral(".svg")
                                                               : QStringLiteral(".png");
        if (!SaveImage(target)) {
            QMessageBox::warning(
                this, QCoreApplication::translate("Kelvara", "Ошибка!"),
                QCoreApplication::translate("Kelvara", "Не удалось записать файл \"%1\".")
                    .arg(QFileInfo(target).fileName()));
        }
    });
    connect(exportCsv_, &QPushButton::clicked, this, [this, folder] {
        QString file = QFileDialog::getSaveFileName(
            this, QCoreApplication::translate("Kelvara", "Экспорт CSV"),
            folder + ToQ(transfer::kCsvName),
            QCoreApplication::translate("Kelvara", "Таблица CSV (*.csv)"));
        if (file.isEmpty()) return;
        if (QFileInfo(file).suffix().isEmpty()) file += QStringLiteral(".csv");
        if (!ExportCsv(file)) {
            QMessageBox::warning(
                this, QCoreApplication::translate("Kelvara", "Ошибка!"),
                QCoreApplication::translate("Kelvara", "Не удалось записать файл \"%1\".")
                    .arg(QFileInfo(file).fileName()));
        }
    });
}

bool CPerChar::SaveImage(const QString& file) const {
    if (file.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
        const std::string svg = TransferPlotSvg(BuildPlot());
        QSaveFile out(file);
        if (svg.empty() || !out.open(QIODevice::WriteOnly)) return false;
        out.write(svg.data(), static_cast<qint64>(svg.size()));
        return out.commit();
    }
    const QImage picture = RenderPicture();
    return !picture.isNull() && picture.save(file, "PNG");
}

bool CPerChar::ExportCsv(const QString& file) const {
    const std::string csv = GainCurveCsv(kL_, Q_, Fr_);
    QSaveFile out(file);
    if (csv.empty() || !out.open(QIODevice::WriteOnly)) return false;
    out.write(csv.data(), static_cast<qint64>(csv.size()));
    return out.commit();
}

QRect CPerChar::DrawingArea() const {
    const QRect client = rect();
    return QRect(client.left(), client.top(), client.width(),
                 std::max(0, client.height() - kButtonStrip));
}

double CPerChar::PixelsPerUnit() const {
    // One logical unit is 0.1 mm: dpi/254 pixels, the same along both axes.
    const int dpi = std::min(logicalDpiX(), logicalDpiY());
    return std::max(1, dpi) / 254.0;
}

QFont CPerChar::PictureFont() const {
    QFont font;
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("DejaVu Sans")});
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    // The font's height (ascent plus descent) is to be 35 units: start from
    // that size and correct it by the height the font actually has.
    const double wanted = kPlotFontHeight * PixelsPerUnit();
    int pixels = std::max(1, static_cast<int>(std::lround(wanted)));
    font.setPixelSize(pixels);
    const double height = QFontMetricsF(font).height();
    if (height > 0) {
        pixels = std::max(1, static_cast<int>(std::lround(pixels * wanted / height)));
        font.setPixelSize(pixels);
    }
    return font;
}

TransferPlot CPerChar::BuildPlot() const {
    const QRect area = DrawingArea();
    const double k = PixelsPerUnit();
    const QFontMetricsF metrics(PictureFont());
    const TextMeasure measure = [&metrics, k](TextView text) {
        const QString s = ToQ(text);
        return TextSize{static_cast<int>(std::ceil(metrics.horizontalAdvance(s) / k)),
                        static_cast<int>(std::ceil(metrics.height() / k))};
    };
    const int W = static_cast<int>(std::abs(area.width() / k));
    const int H = static_cast<int>(std::abs(area.height() / k));
    PlotOptions options;
    options.minLineGap =
        std::max(options.minLineGap, static_cast<int>(std::ceil(kMinLinePixels / k)));
    options.stale = stale_;
    options.xTdMin = xTdMin_;
    options.xTdMax = xTdMax_;
    return BuildTransferPlot(kL_, Q_, xMin_, xMax_, Fr_, W, H, measure, options);
}

QImage CPerChar::RenderPicture() const {
    const QRect area = DrawingArea();
    if (area.isEmpty()) return QImage();
    const double ratio = devicePixelRatioF();
    QImage image(QSize(static_cast<int>(std::ceil(area.width() * ratio)),
                       static_cast<int>(std::ceil(area.height() * ratio))),
                 QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintTransferPlot(painter, BuildPlot(), PixelsPerUnit(), PictureFont());
    painter.end();
    return image;
}

void CPerChar::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    const QImage picture = RenderPicture();
    if (picture.isNull()) return;
    QPainter painter(this);
    painter.drawImage(DrawingArea().topLeft(), picture);
}

}  // namespace kelvara::ui
