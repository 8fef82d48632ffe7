#include "ui/report_writer.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgRenderer>
#include <QTextDocument>

#include "kelvara/version.h"
#include "ui/qt_text.h"

namespace kelvara::ui {

bool PaintReport(QPagedPaintDevice& device, const ReportDocument& report) {
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
    QPainter painter;
    if (!painter.begin(&device)) return false;
    const QRectF page = device.pageLayout().paintRectPixels(device.logicalDpiX());
    const QSizeF area(page.width(), page.height());

    // The text: the report's HTML without the picture, in 10 pt.
    QTextDocument text;
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(10);
    text.setDefaultFont(font);
    text.documentLayout()->setPaintDevice(&device);
    text.setHtml(QString::fromStdString(ReportHtml(report, false)));
    text.setPageSize(area);
    const int pages = text.pageCount();
    for (int p = 0; p < pages; ++p) {
        if (p > 0) device.newPage();
        painter.save();
        painter.translate(0, -p * area.height());
        text.drawContents(&painter, QRectF(0, p * area.height(), area.width(), area.height()));
        painter.restore();
    }

    // Each picture on a page of its own, as vectors: the transfer
    // characteristic first, then the others, each as wide as the report says.
    QFont caption = font;
    caption.setPointSizeF(12);
    caption.setBold(true);
    const auto figure = [&](const QString& name, const std::string& svgText, double widthMm) {
        device.newPage();
        painter.setFont(caption);
        const QRectF title(0, 0, area.width(), painter.fontMetrics().height() * 1.5);
        painter.drawText(title, Qt::AlignLeft | Qt::AlignVCenter, name);
        QSvgRenderer svg(QByteArray::fromStdString(svgText));
        const QSizeF size = svg.defaultSize();
        const double width = std::min(area.width(), area.width() * widthMm / 180.0);
        const double k = size.width() > 0 ? width / size.width() : 1;
        svg.render(&painter, QRectF(0, title.bottom(), width, size.height() * k));
    };
    if (!report.plotSvg.empty()) {
        figure(QCoreApplication::translate("Kelvara", "Передаточная характеристика"),
               report.plotSvg, 180);
    }
    for (const ReportDocument::Figure& f : report.figures) figure(ToQ(f.caption), f.svg, f.widthMm);
    return painter.end();
}

bool WriteReportPdf(const QString& file, const ReportDocument& report) {
    // Written beside the target and renamed over it, so a failed write never
    // leaves half a document.
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly)) return false;
    {
        QPdfWriter writer(&out);
        writer.setResolution(300);
        writer.setCreator(QStringLiteral("Kelvara ") + ToQ(kProgramVersion));
        writer.setTitle(ToQ(report.title));
        if (!PaintReport(writer, report)) {
            out.cancelWriting();
            return false;
        }
    }
    return out.commit();
}

}  // namespace kelvara::ui
