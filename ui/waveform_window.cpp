#include "ui/waveform_window.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRadioButton>
#include <QSaveFile>
#include <QVBoxLayout>

#include "ui/qt_text.h"
#include "ui/shape_picture.h"

namespace kelvara::ui {

namespace {

QColor Colour(unsigned rgb) {
    return QColor(QRgb(rgb));
}

QString Fixed(double v, int digits) {
    return ToQ(FormatFixed(v, digits));
}

}  // namespace

void PaintWaveformPlot(QPainter& painter, const WaveformPlot& p) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.fillRect(QRectF(0, 0, p.width, p.height), Qt::white);
    for (const WaveRect& r : p.bands)
        painter.fillRect(QRectF(r.x, r.y, r.w, r.h), Colour(r.colour));
    const auto line = [&](const WaveLine& l) {
        QPen pen(Colour(l.colour), l.width);
        if (l.dashed) pen.setStyle(Qt::DashLine);
        painter.setPen(pen);
        painter.drawLine(QPointF(l.x1, l.y1), QPointF(l.x2, l.y2));
    };
    for (const WaveLine& l : p.grid) line(l);
    for (const WaveCurve& c : p.curves) {
        QPolygonF poly;
        poly.reserve(static_cast<qsizetype>(c.points.size()));
        for (const WavePoint& pt : c.points) poly.append(QPointF(pt.x, pt.y));
        painter.setPen(QPen(Colour(c.colour), 1.5));
        painter.drawPolyline(poly);
    }
    for (const WaveLine& l : p.marks) line(l);
    const QFontMetricsF fm(painter.font());
    for (const WaveText& t : p.texts) {
        const QString text = ToQ(t.text);
        const double w = fm.horizontalAdvance(text);
        const double x = t.align == WaveText::Align::Left    ? t.x
                         : t.align == WaveText::Align::Right ? t.x - w
                                                             : t.x - w / 2;
        painter.setPen(Colour(t.colour));
        painter.drawText(QRectF(x, t.y - fm.height() / 2, w + 1, fm.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, text);
    }
    painter.restore();
}

// --- The picture -------------------------------------------------------------------

WaveformView::WaveformView(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setMinimumSize(fontMetrics().averageCharWidth() * 90, fontMetrics().height() * 28);
}

QSize WaveformView::sizeHint() const {
    return QSize(fontMetrics().averageCharWidth() * 130, fontMetrics().height() * 40);
}

void WaveformView::SetCorner(const CornerWaveform* corner, bool stale) {
    corner_ = corner;
    stale_ = stale;
    cursor_ = -1;
    update();
}

WaveformPlot WaveformView::BuildPlot() const {
    if (!corner_) return {};
    const QFontMetricsF fm(font());
    const WaveMeasure measure = [fm](TextView text) {
        return WavePoint{fm.horizontalAdvance(ToQ(text)), fm.height()};
    };
    return BuildWaveformPlot(*corner_, width(), height(), measure, stale_);
}

QString WaveformView::CursorText() const {
    if (!corner_ || cursor_ < 0) return {};
    const TdWaveform& w = corner_->wave;
    const size_t i = static_cast<size_t>(cursor_);
    return tr("t = %1 мкс:  Uср.т. %2 В,  Iперв. %3 А,  Iнамагн. %4 А,  UCr %5 В,  Iвтор. %6 А")
        .arg(Fixed(w.t[i], 3), Fixed(w.vMid[i], 1), Fixed(w.iLr[i], 3), Fixed(w.iLm[i], 3),
             Fixed(w.vCr[i], 1), Fixed(w.iSec[i], 3));
}

void WaveformView::MoveCursor(double x) {
    if (!corner_ || !corner_->solved) return;
    const WaveformPlot plot = BuildPlot();
    if (plot.panels.empty() || x < plot.panels.front().left || x > plot.panels.front().right) {
        cursor_ = -1;
    } else {
        cursor_ = SampleNearest(*corner_, plot.TimeAt(x));
    }
    update();
}

void WaveformView::mouseMoveEvent(QMouseEvent* event) {
    MoveCursor(event->position().x());
}

void WaveformView::leaveEvent(QEvent*) {
    cursor_ = -1;
    update();
}

void WaveformView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const WaveformPlot plot = BuildPlot();
    if (!plot.drawn) {
        painter.fillRect(rect(), Qt::white);
        PaintWaveformPlot(painter, plot);
        return;
    }
    PaintWaveformPlot(painter, plot);
    if (cursor_ < 0) return;
    // The cursor: a line through every panel, a dot on every trace, and the
    // values at the bottom.
    const TdWaveform& w = corner_->wave;
    const double x = plot.XOf(w.t[static_cast<size_t>(cursor_)]);
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter.drawLine(QPointF(x, plot.panels.front().top), QPointF(x, plot.panels.back().bottom));
    painter.setRenderHint(QPainter::Antialiasing, true);
    for (const WaveCurve& c : plot.curves) {
        const size_t i = static_cast<size_t>(cursor_);
        if (i >= c.points.size()) continue;
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(QRgb(c.colour)));
        painter.drawEllipse(QPointF(c.points[i].x, c.points[i].y), 3, 3);
    }
    const QString text = CursorText();
    const QFontMetrics fm(font());
    const QRect box(static_cast<int>(plot.panels.front().left), height() - fm.height() - 4,
                    fm.horizontalAdvance(text) + 8, fm.height() + 2);
    painter.setPen(QColor(0x90, 0x90, 0x90));
    painter.setBrush(QColor(0xff, 0xff, 0xf0));
    painter.drawRect(box);
    painter.setPen(Qt::black);
    painter.drawText(box.adjusted(4, 0, -4, 0), Qt::AlignLeft | Qt::AlignVCenter, text);
}

// --- The window ----------------------------------------------------------------------

WaveformWindow::WaveformWindow(QWidget* parent, CKelvaraDlg& dlg)
    : QDialog(parent), dlg_(dlg), corners_(WaveformsOf(dlg.Document())) {
    setWindowTitle(tr("Осциллограммы"));
    setWindowIcon(ProgramIcon());
    setModal(true);
    auto* layout = new QVBoxLayout(this);

    auto* top = new QHBoxLayout;
    lowest_ = new QRadioButton(tr("Минимальное напряжение питания"), this);
    highest_ = new QRadioButton(tr("Максимальное напряжение питания"), this);
    lowest_->setChecked(true);
    top->addWidget(lowest_);
    top->addWidget(highest_);
    top->addStretch(1);
    layout->addLayout(top);
    connect(lowest_, &QRadioButton::toggled, this, [this](bool on) {
        if (on) ShowCorner(0);
    });
    connect(highest_, &QRadioButton::toggled, this, [this](bool on) {
        if (on) ShowCorner(1);
    });

    view_ = new WaveformView(this);
    layout->addWidget(view_, 1);
    summary_ = new QLabel(this);
    summary_->setWordWrap(true);
    layout->addWidget(summary_);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* saveImage = new QPushButton(tr("Сохранить изображение..."), this);
    auto* exportCsv = new QPushButton(tr("Экспорт CSV..."), this);
    auto* close = new QPushButton(tr("Закрыть"), this);
    close->setDefault(true);
    buttons->addWidget(saveImage);
    buttons->addWidget(exportCsv);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    const QString folder = QString::fromStdU16String(dlg_.settingsFolder().u16string());
    const auto failed = [this](const QString& file) {
        QMessageBox::warning(
            this, tr("Ошибка!"),
            tr("Не удалось записать файл \"%1\".").arg(QFileInfo(file).fileName()));
    };
    connect(saveImage, &QPushButton::clicked, this, [this, folder, failed] {
        QString selected;
        QString file = QFileDialog::getSaveFileName(
            this, tr("Сохранить изображение"),
            folder + tr("Осциллограммы") + QStringLiteral(".png"),
            tr("Изображение PNG (*.png);;Рисунок SVG (*.svg)"), &selected);
        if (file.isEmpty()) return;
        if (QFileInfo(file).suffix().isEmpty())
            file += selected.contains(QStringLiteral("svg")) ? QStringLiteral(".svg")
                                                             : QStringLiteral(".png");
        if (!SaveImage(file)) failed(file);
    });
    connect(exportCsv, &QPushButton::clicked, this, [this, folder, failed] {
        QString file = QFileDialog::getSaveFileName(
            this, tr("Экспорт CSV"), folder + tr("Осциллограммы") + QStringLiteral(".csv"),
            tr("Таблица CSV (*.csv)"));
        if (file.isEmpty()) return;
        if (QFileInfo(file).suffix().isEmpty()) file += QStringLiteral(".csv");
        if (!ExportCsv(file)) failed(file);
    });
    const QFontMetrics fm(font());
    resize(fm.averageCharWidth() * 150, fm.height() * 46);
    ShowCorner(0);
}

void WaveformWindow::ShowCorner(int index) {
    const CornerWaveform& c = corners_[static_cast<size_t>(index == 1 ? 1 : 0)];
    (index == 1 ? highest_ : lowest_)->setChecked(true);
    view_->SetCorner(&c, dlg_.resultsStale());
    if (!c.solved) {
        summary_->setText(ToQ(c.problem));
        return;
    }
    const TdCorner& k = c.corner;
    QString swing = k.swingComplete ? tr("перезаряд за мертвое время завершается")
                                    : tr("перезаряд не завершается: жесткое переключение");
    summary_->setText(
        tr("fTd %1 кГц (%2, ток выпрямителя %3); ток выключения %4 А, %5; ток первичной "
           "обмотки %6 А действ., %7 А пик; индукция %8 T. Серые полосы — мертвое время, "
           "розовые — перезаряд средней точки; красные линии — выключение транзисторов.")
            .arg(Fixed(k.f, 2), k.aboveResonance ? tr("выше резонанса") : tr("ниже резонанса"),
                 k.continuous ? tr("непрерывный") : tr("прерывистый"), Fixed(k.iOff, 2), swing,
                 Fixed(k.i1Rms, 2), Fixed(k.i1Peak, 2), Fixed(k.B, 3)));
}

bool WaveformWindow::SaveImage(const QString& file) const {
    const WaveformPlot plot = view_->BuildPlot();
    if (!plot.drawn) return false;
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly)) return false;
    if (file.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
        const std::string svg = WaveformPlotSvg(plot);
        out.write(svg.data(), static_cast<qint64>(svg.size()));
        return out.commit();
    }
    const double ratio = devicePixelRatioF();
    QImage image(QSize(static_cast<int>(plot.width * ratio), static_cast<int>(plot.height * ratio)),
                 QImage::Format_ARGB32);
    image.setDevicePixelRatio(ratio);
    {
        QPainter painter(&image);
        painter.setFont(view_->font());
        PaintWaveformPlot(painter, plot);
    }
    if (!image.save(&out, "PNG")) {
        out.cancelWriting();
        return false;
    }
    return out.commit();
}

bool WaveformWindow::ExportCsv(const QString& file) const {
    const std::string csv = WaveformsCsv(corners_);
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly)) return false;
    out.write(csv.data(), static_cast<qint64>(csv.size()));
    return out.commit();
}

}  // namespace kelvara::ui
