#include "ui/adviser_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "ui/check_window.h"
#include "ui/qt_text.h"
#include "ui/shape_picture.h"

namespace kelvara::ui {

namespace {

// A cell that sorts by its number (unknown numbers last), not by its text.
class NumberItem : public QTableWidgetItem {
  public:
    NumberItem(const QString& text, double key) : QTableWidgetItem(text) {
        setData(Qt::UserRole, std::isfinite(key) ? key : HUGE_VAL);
        setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    bool operator<(const QTableWidgetItem& other) const override {
        return data(Qt::UserRole).toDouble() < other.data(Qt::UserRole).toDouble();
    }
};

QString Fixed(double v, int digits) {
    return std::isfinite(v) ? ToQ(FormatFixed(v, digits)) : QStringLiteral("—");
}

// A ranking shows its progress after this long.
constexpr int kProgressDelayMs = 400;

enum Column {
    kRank,
    kCore,
    kMaterial,
    kVe,
    kN1,
    kN2,
    kZazor,
    kBmAct,
    kBAtFMin,
    kLosses,
    kRise,
    kFill,
    kFMin,
    kFMax,
    kFTdMin,
    kFTdMax,
    kSoft,
    kErrors,
    kColumns
};

}  // namespace

AdviserWindow::AdviserWindow(QWidget* parent, CKelvaraDlg& dlg) : QDialog(parent), dlg_(dlg) {
    setWindowTitle(tr("Подбор сердечника"));
    setWindowIcon(ProgramIcon());
    setModal(true);
    auto* layout = new QVBoxLayout(this);

    auto* top = new QHBoxLayout;
    allMaterials_ = new QCheckBox(tr("все материалы"), this);
    top->addWidget(allMaterials_);
    top->addStretch(1);
    timing_ = new QLabel(this);
    top->addWidget(timing_);
    layout->addLayout(top);

    auto* hint = new QLabel(
        tr("Каждый сердечник базы рассчитан с текущими исходными данными; зазор "
           "(или AL) подобран для каждого. Порядок: сначала те, у которых модель во времени решена "
           "и переключение мягкое, затем без ошибок и предупреждений проверки, меньший объем "
           "сердечника и меньшие потери. Щелчок по заголовку сортирует."),
        this);
    hint->setWordWrap(true);
    layout->addWidget(hint);

    table_ = new QTableWidget(0, kColumns, this);
    const bool al = dlg_.inputs().yes_al == 1;
    table_->setHorizontalHeaderLabels(
        {QStringLiteral("№"), tr("Сердечник"), tr("Материал"), tr("Ve, см3"), QStringLiteral("N1"),
         QStringLiteral("N2"), al ? tr("AL, нГн/виток^2") : tr("Зазор, мм"), tr("Bm на Fr, Т"),
         tr("B на fmin, Т"), tr("Потери, Вт"), tr("Перегрев, K"), tr("Заполнение"), tr("fmin, кГц"),
         tr("fmax, кГц"), tr("fTd min, кГц"), tr("fTd max, кГц"), tr("Мягкое перекл."),
         tr("Ошибки / предупр.")});
    table_->verticalHeader()->setVisible(false);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    connect(table_, &QTableWidget::cellDoubleClicked, this, [this] { ChooseSelected(); });
    layout->addWidget(table_, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    choose_ = new QPushButton(tr("Выбрать"), this);
    choose_->setDefault(true);
    auto* close = new QPushButton(tr("Закрыть"), this);
    buttons->addWidget(choose_);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    connect(choose_, &QPushButton::clicked, this, [this] { ChooseSelected(); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(allMaterials_, &QCheckBox::toggled, this, [this] { Rank(); });

    const QFontMetrics fm(font());
    resize(fm.averageCharWidth() * 190, fm.height() * 36);
    Rank();
    // Wide enough to show every column at once, as far as the screen allows.
    const QMargins margins = layout->contentsMargins();
    const int wanted = table_->horizontalHeader()->length() + 2 * table_->frameWidth() +
                       table_->verticalScrollBar()->sizeHint().width() + margins.left() +
                       margins.right();
    const int room = screen() ? screen()->availableGeometry().width() : wanted;
    resize(std::max(width(), std::min(wanted, room)), height());
}

void AdviserWindow::Rank() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QElapsedTimer timer;
    timer.start();
    // A ranking that takes longer than a moment shows its progress and can
    // be cancelled; the window stays responsive meanwhile.
    QProgressDialog progress(tr("Расчет вариантов..."), tr("Отмена"), 0, 100, this);
    progress.setWindowTitle(tr("Подбор сердечника"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(kProgressDelayMs);
    progress.setAutoReset(false);
    RankProgress report;
    report.every = std::chrono::milliseconds(50);
    report.report = [&](size_t done, size_t total) {
        if (progress.maximum() != static_cast<int>(total)) {
            progress.setMaximum(static_cast<int>(total));
        }
        progress.setValue(static_cast<int>(done));
        QApplication::processEvents();
        return !progress.wasCanceled();
    };
    const Ranking ranking = RankCoresFor(dlg_, allMaterials_->isChecked(), report);
    progress.reset();
    candidates_ = ranking.candidates;
    const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    QApplication::restoreOverrideCursor();
    if (ranking.cancelled) {
        timing_->setText(tr("Подбор прерван"));
    } else {
        timing_->setText(tr("Рассчитано вариантов: %1 за %2 мс")
                             .arg(candidates_.size())
                             .arg(ToQ(FormatFixed(ms, 1))));
    }
    Fill();
}

void AdviserWindow::Fill() {
    table_->setSortingEnabled(false);
    table_->clearContents();
    table_->setRowCount(static_cast<int>(candidates_.size()));
    for (int i = 0; i < static_cast<int>(candidates_.size()); ++i) {
        const Candidate& c = candidates_[static_cast<size_t>(i)];
        const DesignResults& r = c.results;
        const bool ok = c.calculated();
        auto* rank = new NumberItem(QString::number(i + 1), i);
        rank->setData(Qt::UserRole + 1, i);
        table_->setItem(i, kRank, rank);
        table_->setItem(i, kCore, new QTableWidgetItem(ToQ(c.core)));
        table_->setItem(i, kMaterial, new QTableWidgetItem(ToQ(c.material)));
        table_->setItem(i, kVe, new NumberItem(Fixed(c.Ve, 3), c.Ve));
        const double nan = std::nan("");
        table_->setItem(i, kN1,
                        new NumberItem(ok ? ToQ(r.text[kRN1]) : QString(), ok ? r.N1 : nan));
        table_->setItem(i, kN2,
                        new NumberItem(ok ? ToQ(r.text[kRN2]) : QString(), ok ? r.N2 : nan));
        const double zazor = ParseDecimal(c.zazor);
        table_->setItem(i, kZazor, new NumberItem(ok ? ToQ(c.zazor) : QString(), ok ? zazor : nan));
        table_->setItem(i, kBmAct,
                        new NumberItem(ok ? ToQ(r.text[kRBmAct]) : QString(), ok ? r.BmAct : nan));
        const double b = c.bAtFMin;
        table_->setItem(i, kBAtFMin, new NumberItem(Fixed(b, 3), b));
        table_->setItem(i, kLosses, new NumberItem(Fixed(c.losses, 2), c.losses));
        table_->setItem(i, kRise, new NumberItem(Fixed(c.rise, 0), c.rise));
        table_->setItem(i, kFill,
                        new NumberItem(ok ? ToQ(r.text[kRFill]) : QString(), ok ? r.fill : nan));
        const double fMin = ok && r.xMinFound ? r.fMin : nan;
        const double fMax = ok && r.xMaxFound ? r.fMax : nan;
        table_->setItem(i, kFMin, new NumberItem(Fixed(fMin, 2), fMin));
        table_->setItem(i, kFMax, new NumberItem(Fixed(fMax, 2), fMax));
        const double fTdMin = ok ? c.fTdMin : nan;
        const double fTdMax = ok ? c.fTdMax : nan;
        table_->setItem(i, kFTdMin, new NumberItem(Fixed(fTdMin, 2), fTdMin));
        table_->setItem(i, kFTdMax, new NumberItem(Fixed(fTdMax, 2), fTdMax));
        // Soft switching: yes first when sorted, then no, then unknown.
        const bool known = ok && c.soft != Candidate::Soft::Unknown;
        const bool soft = c.soft == Candidate::Soft::Yes;
        auto* softItem = new NumberItem(known ? (soft ? tr("да") : tr("нет")) : QStringLiteral("—"),
                                        known ? (soft ? 0 : 1) : nan);
        softItem->setTextAlignment(Qt::AlignCenter);
        if (known)
            softItem->setForeground(StatusColour(soft ? CheckStatus::Ok : CheckStatus::Error));
        table_->setItem(i, kSoft, softItem);
        QString verdict;
        CheckStatus worst = CheckStatus::Ok;
        if (!ok) {
            verdict = tr("расчет прерван");
            worst = CheckStatus::Error;
        } else {
            verdict = QStringLiteral("%1 / %2").arg(c.errors).arg(c.warnings);
            worst = c.errors > 0     ? CheckStatus::Error
                    : c.warnings > 0 ? CheckStatus::Warning
                                     : CheckStatus::Ok;
        }
        auto* errors = new NumberItem(verdict, ok ? c.errors * 1000.0 + c.warnings : HUGE_VAL);
        errors->setForeground(StatusColour(worst));
        table_->setItem(i, kErrors, errors);
    }
    table_->setSortingEnabled(true);
    table_->sortByColumn(kRank, Qt::AscendingOrder);
    if (!candidates_.empty()) table_->selectRow(0);
}

const Candidate* AdviserWindow::CandidateOfRow(int row) const {
    if (row < 0 || row >= table_->rowCount()) return nullptr;
    const QTableWidgetItem* rank = table_->item(row, kRank);
    if (!rank) return nullptr;
    const int index = rank->data(Qt::UserRole + 1).toInt();
    if (index < 0 || index >= static_cast<int>(candidates_.size())) return nullptr;
    return &candidates_[static_cast<size_t>(index)];
}

void AdviserWindow::ChooseSelected() {
    const Candidate* c = CandidateOfRow(table_->currentRow());
    if (!c) return;
    const Candidate chosen = *c;
    accept();
    ApplyCandidate(dlg_, chosen);
}

}  // namespace kelvara::ui
