#include "ui/file_dialogs.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>

#include "ui/qt_text.h"

namespace kelvara::ui {

namespace {

using namespace picker;

bool AskReplace(QWidget* parent, TextView caption, TextView text) {
    QMessageBox box(QMessageBox::NoIcon, ToQ(caption), ToQ(text),
                    QMessageBox::Ok | QMessageBox::Cancel, parent);
    box.button(QMessageBox::Cancel)->setText(QCoreApplication::translate("Kelvara", "Отмена"));
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok;
}

}  // namespace

FileDialogBase::FileDialogBase(FilePicker::Kind kind, std::filesystem::path folder, Text presetName,
                               std::span<const ControlDef> controls, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      picker_(kind, std::move(folder), std::move(presetName)) {
    setModal(true);
    const DialogUnits units = DialogUnits::ForFont(font());
    setFixedSize(units.ToSize(kPickerWidth, kPickerHeight));
    controls_ = BuildControls(this, controls, units);
    for (const PlacedControl& c : controls_) {
        switch (c.def->id) {
            case kFileListId:
                list_ = static_cast<QListWidget*>(c.widget);
                break;
            case kOpenNameId:
            case kSaveNameId:
                edit_ = static_cast<QLineEdit*>(c.widget);
                break;
            case kOkId:
                ok_ = static_cast<QPushButton*>(c.widget);
                break;
            case kCancelId:
                cancel_ = static_cast<QPushButton*>(c.widget);
                break;
            default:
                break;
        }
    }
    edit_->setText(ToQ(picker_.name()));
    Refill();
    connect(list_, &QListWidget::itemSelectionChanged, this, [this] { OnSelectionChanged(); });
    connect(list_, &QListWidget::itemDoubleClicked, this, [this] { OnDoubleClicked(); });
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

Text FileDialogBase::chosenName() const {
    return FromQ(edit_->text());
}

void FileDialogBase::Refill() {
    picker_.Refill();
    const QSignalBlocker blocker(list_);
    list_->clear();
    for (const Text& name : picker_.entries()) list_->addItem(ToQ(name));
}

void FileDialogBase::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    // The list always shows the folder as it is now; the selection clears
    // whenever the picker is activated or deactivated.
    if (event->type() == QEvent::ActivationChange) Refill();
}

void FileDialogBase::OnSelectionChanged() {
    const QModelIndexList rows = list_->selectionModel()->selectedRows();
    picker_.Select(rows.isEmpty() ? -1 : rows.first().row());
    if (picker_.selection() >= 0) edit_->setText(ToQ(picker_.name()));
}

void FileDialogBase::AcceptSelected() {
    picker_.SetName(chosenName());
    if (!picker_.Accept()) return;
    edit_->setText(ToQ(picker_.name()));
    accept();
}

void FileDialogBase::OnDoubleClicked() {
    if (picker_.selection() < 0) return;
    const bool close = picker_.DoubleClick(Question());
    edit_->setText(ToQ(picker_.name()));
    if (close) accept();
}

FilePicker::Question FileDialogBase::Question() {
    if (question_) return question_;
    return [this](TextView caption, TextView text) { return AskReplace(this, caption, text); };
}

COpenFileDlg::COpenFileDlg(std::filesystem::path folder, QWidget* parent)
    : FileDialogBase(FilePicker::Kind::Open, std::move(folder), {}, kOpenControls, parent) {
    setWindowTitle(TrQ(kOpenCaption));
    connect(ok_, &QPushButton::clicked, this, [this] { AcceptSelected(); });
}

CSaveFileDlg::CSaveFileDlg(std::filesystem::path folder, Text suggestedName, QWidget* parent)
    : FileDialogBase(FilePicker::Kind::Save, std::move(folder), std::move(suggestedName),
                     kSaveControls, parent) {
    setWindowTitle(TrQ(kSaveCaption));
    connect(ok_, &QPushButton::clicked, this, [this] { OnSave(); });
}

void CSaveFileDlg::OnSave() {
    picker_.SetName(chosenName());
    if (picker_.Save(Question())) accept();
}

}  // namespace kelvara::ui
