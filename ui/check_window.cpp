#include "ui/check_window.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "session/messages.h"
#include "ui/qt_text.h"
#include "ui/shape_picture.h"

namespace kelvara::ui {

QColor StatusColour(CheckStatus status) {
    return QColor(QRgb(StyleOf(status).colour));
}

QString StatusMark(CheckStatus status) {
    return ToQ(StyleOf(status).mark);
}

QString SummaryHtml(const DesignCheck& check) {
    if (!check.done) return {};
    const CheckStatus worst = WorstStatus(check);
    return QStringLiteral("Проверка проекта: <b><span style=\"color:%1\">%2</span></b>")
        .arg(StatusColour(worst).name(), ToQ(CheckCounts(check)).toHtmlEscaped());
}

CheckWindow::CheckWindow(QWidget* parent, const DesignCheck& check, bool stale) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Проверка проекта"));
    setWindowIcon(ProgramIcon());
    setModal(true);
    auto* layout = new QVBoxLayout(this);

    summary_ = new QLabel(this);
    summary_->setTextFormat(Qt::RichText);
    QString summary = check.done ? SummaryHtml(check)
                                 : QStringLiteral(
                                       "Проверка проекта: расчет не выполнен до "
                                       "конца, проверять нечего.");
    if (stale) {
        summary = QStringLiteral("<b><span style=\"color:%1\">%2</span></b><br>")
                      .arg(StatusColour(CheckStatus::Error).name(),
                           ToQ(msg::kResultsStale).toHtmlEscaped()) +
                  summary;
    }
    summary_->setText(summary);
    layout->addWidget(summary_);

    table_ = new QTableWidget(static_cast<int>(check.rows.size()), 5, this);
    table_->setHorizontalHeaderLabels({QString(), QStringLiteral("Что проверяется"),
                                       QStringLiteral("Значение"), QStringLiteral("Норма"),
                                       QStringLiteral("Что это значит и что делать")});
    table_->verticalHeader()->setVisible(false);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setWordWrap(true);
    for (int i = 0; i < static_cast<int>(check.rows.size()); ++i) {
        const CheckRow& r = check.rows[static_cast<size_t>(i)];
        auto* mark = new QTableWidgetItem(StatusMark(r.status));
        mark->setForeground(StatusColour(r.status));
        QFont bold = mark->font();
        bold.setBold(true);
        mark->setFont(bold);
        mark->setTextAlignment(Qt::AlignCenter);
        mark->setData(Qt::UserRole,
                      QString::fromLatin1(StatusKey(r.status).data(),
                                          static_cast<int>(StatusKey(r.status).size())));
        table_->setItem(i, 0, mark);
        table_->setItem(i, 1, new QTableWidgetItem(ToQ(r.label)));
        table_->setItem(i, 2, new QTableWidgetItem(ToQ(r.value)));
        table_->setItem(i, 3, new QTableWidgetItem(ToQ(r.limit)));
        auto* note = new QTableWidgetItem(ToQ(r.note));
        if (r.status == CheckStatus::Warning || r.status == CheckStatus::Error)
            note->setForeground(StatusColour(r.status));
        table_->setItem(i, 4, note);
    }
    const QFontMetrics fm(font());
    QHeaderView* header = table_->horizontalHeader();
    header->setSectionResizeMode(0, QHeaderView::Fixed);
    table_->setColumnWidth(0, fm.horizontalAdvance(QStringLiteral("MM")) + 8);
    for (int c = 1; c <= 3; ++c) header->setSectionResizeMode(c, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(4, QHeaderView::Stretch);
    // Notes wrap in their column: rows follow the column widths.
    connect(header, &QHeaderView::sectionResized, table_, &QTableWidget::resizeRowsToContents);
    layout->addWidget(table_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("Закрыть"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    resize(fm.averageCharWidth() * 190, fm.height() * 30);
    table_->resizeRowsToContents();
}

void CheckWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // The note column has its final width only now: the rows follow it.
    table_->resizeRowsToContents();
}

}  // namespace kelvara::ui
