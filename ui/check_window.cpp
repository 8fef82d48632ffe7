#include "ui/check_window.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "session/design_document.h"
#include "session/messages.h"
#include "ui/qt_text.h"
#include "ui/shape_picture.h"
#include "ui/waveform_window.h"

namespace kelvara::ui {

namespace {

QColor Colour(unsigned rgb) {
    return QColor(QRgb(rgb));
}

// The later inputs in the order of the strip, each with its short label.
struct LaterInput {
    std::u16string_view key;
    const char* label;  // beside the field (translated where shown)
    int row, column;
};
constexpr LaterInput kLaterInputs[] = {
    {u"tdead", QT_TRANSLATE_NOOP("Kelvara", "Мертвое время td, нс"), 0, 0},
    {u"coss", QT_TRANSLATE_NOOP("Kelvara", "Coss транзистора, пФ"), 1, 0},
    {u"litz1d", QT_TRANSLATE_NOOP("Kelvara", "Литцендрат первичной: жила, мм"), 0, 2},
    {u"litz1n", QT_TRANSLATE_NOOP("Kelvara", "число жил"), 0, 4},
    {u"litz2d", QT_TRANSLATE_NOOP("Kelvara", "Литцендрат вторичной: жила, мм"), 1, 2},
    {u"litz2n", QT_TRANSLATE_NOOP("Kelvara", "число жил"), 1, 4},
};

}  // namespace

QColor StatusColour(CheckStatus status) {
    return Colour(StyleOf(status).colour);
}

QString StatusMark(CheckStatus status) {
    return ToQ(StyleOf(status).mark);
}

QString SummaryHtml(const DesignCheck& check) {
    if (!check.done) return {};
    const CheckStatus worst = WorstStatus(check);
    return QCoreApplication::translate(
               "Kelvara", "Проверка проекта: <b><span style=\"color:%1\">%2</span></b>")
        .arg(StatusColour(worst).name(), ToQ(CheckCounts(check)).toHtmlEscaped());
}

// --- The windings ----------------------------------------------------------------

WindingView::WindingView(QWidget* parent) : QWidget(parent) {
    setMinimumHeight(fontMetrics().height() * 6);
}

void WindingView::SetPicture(WindingPicture picture) {
    picture_ = std::move(picture);
    update();
}

QSize WindingView::sizeHint() const {
    return QSize(fontMetrics().averageCharWidth() * 90, fontMetrics().height() * 6);
}

void WindingView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    const QFontMetrics fm = fontMetrics();
    if (!picture_.drawn) {
        painter.setPen(StatusColour(CheckStatus::Unknown));
        painter.drawText(rect(), Qt::AlignCenter,
                         tr("Обмотки не уложены на каркас: провод не выбран или "
                            "виток шире каркаса."));
        return;
    }
    // The bobbin's cross-section on the left, at one scale for both axes;
    // the legend to its right.
    const int margin = fm.height() / 2;
    int legendWidth = 0;
    for (const Text& line : picture_.legend)
        legendWidth = std::max(legendWidth, fm.horizontalAdvance(ToQ(line)) + fm.height() * 2);
    const double availableW = std::max(40, width() - legendWidth - 3 * margin);
    const double availableH = std::max(20, height() - 2 * margin);
    const double scale =
        std::min(availableW / picture_.width, availableH / std::max(picture_.height, 1e-9));
    const double left = margin;
    const double bottom = margin + picture_.height * scale;
    for (const WindingShape& s : picture_.shapes) {
        const QRectF r(left + s.x * scale, bottom - (s.y + s.height) * scale, s.width * scale,
                       s.height * scale);
        painter.fillRect(r, Colour(WindingColour(s.kind)));
        if (s.kind == WindingShape::Kind::Space) {
            painter.setPen(QPen(StatusColour(CheckStatus::Unknown), 1));
            painter.drawRect(r);
        } else {
            painter.setPen(QPen(palette().base().color(), 1));
            painter.drawRect(r);
        }
    }
    // The legend, each line with the swatch of what it names.
    const WindingShape::Kind swatches[] = {
        WindingShape::Kind::Primary, WindingShape::Kind::Secondary, WindingShape::Kind::Space};
    int y = margin;
    const int x = static_cast<int>(left + picture_.width * scale) + 2 * margin;
    for (size_t i = 0; i < picture_.legend.size(); ++i) {
        const QRect swatch(x, y + fm.height() / 4, fm.height() / 2 + 2, fm.height() / 2 + 2);
        painter.fillRect(swatch, Colour(WindingColour(swatches[std::min<size_t>(i, 2)])));
        painter.setPen(StatusColour(CheckStatus::Unknown));
        painter.drawRect(swatch);
        painter.setPen(palette().text().color());
        painter.drawText(QRect(x + fm.height(), y, width() - x - fm.height(), fm.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, ToQ(picture_.legend[i]));
        y += fm.height() + fm.height() / 3;
    }
}

// --- The window ------------------------------------------------------------------

CheckWindow::CheckWindow(QWidget* parent, CKelvaraDlg& dlg) : QDialog(parent), dlg_(dlg) {
    setWindowTitle(tr("Проверка проекта"));
    setWindowIcon(ProgramIcon());
    setModal(true);
    auto* layout = new QVBoxLayout(this);

    summary_ = new QLabel(this);
    summary_->setTextFormat(Qt::RichText);
    layout->addWidget(summary_);

    table_ = new QTableWidget(0, 5, this);
    table_->setHorizontalHeaderLabels({QString(), tr("Что проверяется"), tr("Значение"),
                                       tr("Норма"), tr("Что это значит и что делать")});
    table_->verticalHeader()->setVisible(false);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setWordWrap(true);
    const QFontMetrics fm(font());
    QHeaderView* header = table_->horizontalHeader();
    header->setSectionResizeMode(0, QHeaderView::Fixed);
    table_->setColumnWidth(0, fm.horizontalAdvance(QStringLiteral("MM")) + 8);
    for (int c = 1; c <= 3; ++c) header->setSectionResizeMode(c, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(4, QHeaderView::Stretch);
    // Notes wrap in their column: rows follow the column widths.
    connect(header, &QHeaderView::sectionResized, table_, &QTableWidget::resizeRowsToContents);
    layout->addWidget(table_, 1);

    // Below the table: the inputs only the check uses, and the windings.
    auto* bottom = new QHBoxLayout;
    auto* inputs = new QGroupBox(tr("Полумост и обмотки (для проверки)"), this);
    auto* grid = new QGridLayout(inputs);
    for (const LaterInput& li : kLaterInputs) {
        const FieldDef* field = FindField(li.key);
        auto* label = new QLabel(QCoreApplication::translate("Kelvara", li.label), inputs);
        auto* edit = new QLineEdit(ToQ(dlg_.LaterInput(li.key)), inputs);
        edit->setMaximumWidth(fm.averageCharWidth() * 10);
        edit->setToolTip(field ? TrQ(field->label) : QString());
        label->setBuddy(edit);
        grid->addWidget(label, li.row, li.column);
        grid->addWidget(edit, li.row, li.column + 1);
        inputs_[Text(li.key)] = edit;
    }
    auto* inter = new QCheckBox(tr("Первичная по обе стороны вторичной (П-В-П)"), inputs);
    inter->setChecked(dlg_.LaterInput(u"inter") == u"1");
    grid->addWidget(inter, 2, 2, 1, 4);
    inputs_[Text(u"inter")] = inter;
    // Enter in a field presses it.
    recalculate_ = new QPushButton(tr("Пересчитать"), inputs);
    recalculate_->setDefault(true);
    grid->addWidget(recalculate_, 2, 0, 1, 2, Qt::AlignLeft);
    grid->setRowStretch(3, 1);
    connect(recalculate_, &QPushButton::clicked, this, [this] { Recalculate(); });
    connect(inter, &QCheckBox::toggled, this, [this] { Recalculate(); });
    bottom->addWidget(inputs);

    auto* windingBox = new QGroupBox(tr("Обмотки на каркасе (в масштабе)"), this);
    auto* windingLayout = new QVBoxLayout(windingBox);
    winding_ = new WindingView(windingBox);
    windingLayout->addWidget(winding_);
    bottom->addWidget(windingBox, 1);
    layout->addLayout(bottom);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(tr("Закрыть"));
    buttons->button(QDialogButtonBox::Close)->setAutoDefault(false);
    // The time-domain model's waveforms of the design checked here.
    waveforms_ = buttons->addButton(tr("Осциллограммы..."), QDialogButtonBox::ActionRole);
    waveforms_->setAutoDefault(false);
    connect(waveforms_, &QPushButton::clicked, this, [this] {
        WaveformWindow window(this, dlg_);
        window.exec();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    resize(fm.averageCharWidth() * 190, fm.height() * 52);
    Fill();
}

QWidget* CheckWindow::input(std::u16string_view key) const {
    const auto it = inputs_.find(Text(key));
    return it == inputs_.end() ? nullptr : it->second;
}

void CheckWindow::Recalculate() {
    std::vector<std::pair<Text, Text>> values;
    for (const auto& [key, widget] : inputs_) {
        if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            values.emplace_back(key, FromQ(edit->text()));
        } else if (auto* box = qobject_cast<QCheckBox*>(widget)) {
            values.emplace_back(key, box->isChecked() ? Text(u"1") : Text(u"0"));
        }
    }
    dlg_.OnLaterInputs(values);
    // The fields show what the calculation read (commas become points).
    for (const auto& [key, widget] : inputs_) {
        if (auto* edit = qobject_cast<QLineEdit*>(widget)) edit->setText(ToQ(dlg_.LaterInput(key)));
    }
    Fill();
}

void CheckWindow::Fill() {
    const DesignCheck& check = dlg_.check();
    QString summary = check.done ? SummaryHtml(check)
                                 : tr("Проверка проекта: расчет не выполнен до "
                                      "конца, проверять нечего.");
    if (dlg_.resultsStale()) {
        summary = QStringLiteral("<b><span style=\"color:%1\">%2</span></b><br>")
                      .arg(StatusColour(CheckStatus::Error).name(),
                           TrQ(msg::kResultsStale).toHtmlEscaped()) +
                  summary;
    }
    summary_->setText(summary);

    table_->clearContents();
    table_->setRowCount(static_cast<int>(check.rows.size()));
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
    table_->resizeRowsToContents();
    winding_->SetPicture(dlg_.lastRunCompleted() ? BuildWindingPicture(dlg_.results().winding)
                                                 : WindingPicture{});
}

void CheckWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // The note column has its final width only now: the rows follow it.
    table_->resizeRowsToContents();
}

}  // namespace kelvara::ui
