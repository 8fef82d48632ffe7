// The main window's report, print and copy commands.
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QShortcut>

#include "ui/main_window.h"
#include "ui/qt_text.h"
#include "ui/report_writer.h"
#include "ui/waveform_window.h"

namespace kelvara::ui {

ReportDocument MainWindow::CurrentReport() const {
    DesignDocument document = dlg_.Document();
    document.date = ReportDate();
    return BuildReport(document);
}

bool MainWindow::WriteReport(const QString& file) {
    const ReportDocument report = CurrentReport();
    bool ok = false;
    if (file.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) {
        ok = WriteReportPdf(file, report);
    } else {
        ok = static_cast<bool>(WriteReportHtml(FromQ(file), report));
    }
    if (!ok) dlg_.WriteFailed(FromQ(QFileInfo(file).fileName()));
    return ok;
}

void MainWindow::SaveReport() {
    // The save picker's name for the design, with the report's ending.
    QString suggested = ToQ(dlg_.SuggestedSaveName());
    suggested.chop(4);  // ".sav"
    const QString folder = QString::fromStdU16String(dlg_.settingsFolder().u16string());
    QString selected;
    const QString file = QFileDialog::getSaveFileName(
        this, tr("Отчёт о расчете"), folder + suggested + QStringLiteral(".html"),
        tr("Отчёт HTML (*.html);;Документ PDF (*.pdf)"), &selected);
    if (file.isEmpty()) return;
    QString target = file;
    if (QFileInfo(target).suffix().isEmpty())
        target += selected.contains(QStringLiteral("pdf")) ? QStringLiteral(".pdf")
                                                           : QStringLiteral(".html");
    WriteReport(target);
}

void MainWindow::PrintReport() {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(tr("Печать отчёта"));
    if (dialog.exec() != QDialog::Accepted) return;
    kelvara::ui::PaintReport(printer, CurrentReport());
}

void MainWindow::OpenWaveforms() {
    WaveformWindow window(this, dlg_);
    window.exec();
}

void MainWindow::ExportSpice() {
    QString suggested = ToQ(dlg_.SuggestedSaveName());
    suggested.chop(4);  // ".sav"
    const QString folder = QString::fromStdU16String(dlg_.settingsFolder().u16string());
    QString file = QFileDialog::getSaveFileName(this, tr("Экспорт SPICE"),
                                                folder + suggested + QStringLiteral(".cir"),
                                                tr("Список цепей SPICE (*.cir)"));
    if (file.isEmpty()) return;
    if (QFileInfo(file).suffix().isEmpty()) file += QStringLiteral(".cir");
    dlg_.ExportSpice(file.toStdU16String());
}

void MainWindow::CopyResults() {
    QApplication::clipboard()->setText(ToQ(ResultsTable(dlg_.Document())));
}

void MainWindow::SetUpCopying() {
    // The values can be selected with the mouse.
    for (const ResultFieldDef& r : kResultFields) {
        if (auto* label = qobject_cast<QLabel*>(control(r.controlId)))
            label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    // Ctrl+C copies the whole table, unless an edit takes it for its own text.
    auto* copy = new QShortcut(QKeySequence::Copy, this);
    connect(copy, &QShortcut::activated, this, [this] { CopyResults(); });
    // "Копировать результаты" on the results group and its values.
    const auto addMenu = [this](QWidget* w) {
        w->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(w, &QWidget::customContextMenuRequested, this, [this, w](const QPoint& at) {
            QMenu menu(this);
            menu.addAction(tr("Копировать результаты"), this, [this] { CopyResults(); });
            menu.exec(w->mapToGlobal(at));
        });
    };
    for (const PlacedControl& c : controls_) {
        if (c.def->kind == ControlKind::GroupBox && c.def->text == u"Результаты расчета")
            addMenu(c.widget);
    }
    for (const ResultFieldDef& r : kResultFields) {
        if (QWidget* w = control(r.controlId)) addMenu(w);
    }
}

}  // namespace kelvara::ui
