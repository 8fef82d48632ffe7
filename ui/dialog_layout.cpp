#include "ui/dialog_layout.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

#include "ui/qt_text.h"

namespace kelvara::ui {

namespace {

// Integer a·b/c rounded half away from zero, for non-negative a·b.
int MulDivRound(int a, int b, int c) {
    const long long p = static_cast<long long>(a) * b;
    return static_cast<int>(p >= 0 ? (p + c / 2) / c : -((-p + c / 2) / c));
}

QLabel* MakeLabel(QWidget* parent, const ControlDef& def, Qt::Alignment horizontal,
                  bool wrapWhenTall) {
    auto* label = new QLabel(TrQ(def.text), parent);
    label->setTextFormat(Qt::PlainText);
    const bool tall = wrapWhenTall && def.h >= 16;
    label->setWordWrap(tall);
    label->setAlignment(horizontal | Qt::AlignTop);
    return label;
}

QWidget* MakeControl(QWidget* parent, const ControlDef& def) {
    switch (def.kind) {
        case ControlKind::GroupBox:
            return new QGroupBox(TrQ(def.text), parent);
        case ControlKind::Label:
            return MakeLabel(parent, def, Qt::AlignLeft, true);
        case ControlKind::LabelCentre:
            return MakeLabel(parent, def, Qt::AlignHCenter, true);
        case ControlKind::LabelRight:
        case ControlKind::Value:
            return MakeLabel(parent, def, Qt::AlignRight, false);
        case ControlKind::Edit:
        case ControlKind::NameEdit: {
            auto* edit = new QLineEdit(TrQ(def.text), parent);
            edit->setAlignment(def.kind == ControlKind::Edit ? Qt::AlignCenter
                                                             : Qt::AlignLeft | Qt::AlignVCenter);
            edit->setReadOnly((def.flags & kReadOnly) != 0);
            return edit;
        }
        case ControlKind::Radio:
            return new QRadioButton(TrQ(def.text), parent);
        case ControlKind::CheckBox:
            return new QCheckBox(TrQ(def.text), parent);
        case ControlKind::ComboBox: {
            auto* combo = new QComboBox(parent);
            combo->setEditable(true);
            // Typed text stays as typed: no completion, nothing added to the list.
            combo->setCompleter(nullptr);
            combo->setInsertPolicy(QComboBox::NoInsert);
            combo->setDuplicatesEnabled(true);
            return combo;
        }
        case ControlKind::ListBox: {
            auto* list = new QListWidget(parent);
            list->setSelectionMode(QAbstractItemView::SingleSelection);
            list->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
            list->setUniformItemSizes(true);
            return list;
        }
        case ControlKind::Button: {
            auto* button = new QPushButton(TrQ(def.text), parent);
            if (def.flags & kDefault) button->setDefault(true);
            return button;
        }
    }
    return nullptr;
}

}  // namespace

DialogUnits DialogUnits::ForFont(const QFont& font) {
    const QFontMetrics fm(font);
    static const QString kLetters =
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    DialogUnits u;
    // The average letter width, rounded to a whole pixel.
    u.baseX = (fm.horizontalAdvance(kLetters) / 26 + 1) / 2;
    u.baseY = fm.height();
    if (u.baseX < 1) u.baseX = 1;
    if (u.baseY < 1) u.baseY = 1;
    return u;
}

int DialogUnits::ToX(int dlu) const {
    return MulDivRound(dlu, baseX, 4);
}

int DialogUnits::ToY(int dlu) const {
    return MulDivRound(dlu, baseY, 8);
}

QRect DialogUnits::ToRect(int x, int y, int w, int h) const {
    const int left = ToX(x), top = ToY(y);
    return QRect(left, top, ToX(x + w) - left, ToY(y + h) - top);
}

std::vector<PlacedControl> BuildControls(QWidget* parent, std::span<const ControlDef> table,
                                         const DialogUnits& units) {
    std::vector<PlacedControl> placed;
    placed.reserve(table.size());
    QButtonGroup* group = nullptr;
    for (const ControlDef& def : table) {
        QWidget* widget = MakeControl(parent, def);
        QRect r = units.ToRect(def.x, def.y, def.w, def.h);
        if (def.kind == ControlKind::Radio || def.kind == ControlKind::CheckBox) {
            // A button lower than its indicator grows about its middle line.
            const int indicator = widget->style()->pixelMetric(
                def.kind == ControlKind::Radio ? QStyle::PM_ExclusiveIndicatorHeight
                                               : QStyle::PM_IndicatorHeight,
                nullptr, widget);
            if (r.height() < indicator) {
                r.adjust(0, -(indicator - r.height()) / 2, 0, 0);
                r.setHeight(indicator);
            }
        }
        widget->setGeometry(r);
        if (def.kind == ControlKind::Radio) {
            if ((def.flags & kGroupStart) || group == nullptr) {
                group = new QButtonGroup(parent);
                group->setExclusive(true);
            }
            group->addButton(static_cast<QRadioButton*>(widget));
        }
        placed.push_back(PlacedControl{&def, widget});
    }
    return placed;
}

}  // namespace kelvara::ui
