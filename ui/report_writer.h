// The design report on paper and as PDF: the report's text laid out by Qt's
// text document, page by page, and the transfer characteristic drawn from its
// SVG, so it stays sharp (vector) in a PDF.
#pragma once

#include <QString>

#include "session/report.h"

class QPagedPaintDevice;

namespace kelvara::ui {

// Paints the whole report on `device` (a printer or a PDF writer), A4 pages;
// false when the device cannot be painted on.
bool PaintReport(QPagedPaintDevice& device, const ReportDocument& report);

// Writes the report as an A4 PDF file; false when the file cannot be written.
bool WriteReportPdf(const QString& file, const ReportDocument& report);

}  // namespace kelvara::ui
