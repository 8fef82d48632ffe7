#include "ui/main_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolTip>
#include <QVBoxLayout>

#include "session/messages.h"
#include "ui/adviser_window.h"
#include "ui/check_window.h"
#include "ui/file_dialogs.h"
#include "ui/language.h"
#include "ui/qt_text.h"
#include "ui/secondary_windows.h"
#include "ui/shape_picture.h"
#include "ui/tooltips.h"
#include "window/main_window_layout.h"
#include "window/menu.h"
#include "window/notifications.h"

namespace kelvara::ui {

namespace {

// The mnemonic letter of a menu text (after its "&"), upper case; none when
// it has no "&".
QChar MnemonicOf(const QString& text) {
    const qsizetype at = text.indexOf(u'&');
    return at >= 0 && at + 1 < text.size() ? text[at + 1].toUpper() : QChar();
}

}  // namespace

MainWindow::MainWindow(QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      dlg_(*this) {
    setWindowTitle(ToQ(MainWindowCaption()));
    setWindowIcon(ProgramIcon());

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    menuBar_ = new QMenuBar(this);
    menuBar_->setNativeMenuBar(false);
    layout->setMenuBar(menuBar_);

    auto* content = new QWidget(this);
    const DialogUnits units = DialogUnits::ForFont(font());
    content->setFixedSize(units.ToSize(kMainWindowWidth, kMainWindowHeight));
    layout->addWidget(content);

    // The design check's summary, below the window's own controls.
    checkStrip_ = new QLabel(this);
    checkStrip_->setTextFormat(Qt::RichText);
    checkStrip_->setContentsMargins(units.ToSize(6, 2).width(), units.ToSize(6, 2).height(),
                                    units.ToSize(6, 2).width(), units.ToSize(6, 2).height());
    checkStrip_->setFrameShape(QFrame::StyledPanel);
    checkStrip_->setToolTip(tr("Итог проверки последнего расчета"));
    connect(checkStrip_, &QLabel::linkActivated, this, [this] { OpenCheckWindow(); });
    layout->addWidget(checkStrip_);

    controls_ = BuildControls(content, MainWindowControls(), units);
    for (const PlacedControl& c : controls_) {
        if (c.def->id != kNoId) byId_[c.def->id] = c.widget;
    }
    picture_ = new ShapePicture(
        [this] { return ShapePictureFile(dlg_.inputs().shape, dlg_.inputs().add_by_size); },
        content);
    picture_->setGeometry(units.ToRect(kPictureX, kPictureY, kPictureW, kPictureH));
    picture_->raise();

    BuildMenu();
    AttachTooltips();
    ConnectNotifications();
    qApp->installEventFilter(this);
}

MainWindow::~MainWindow() {
    qApp->removeEventFilter(this);
}

void MainWindow::ShowCheck(const DesignCheck& check) {
    ShowStrip(check);
}

void MainWindow::ShowStrip(const DesignCheck& check) {
    const QString grey = StatusColour(CheckStatus::Unknown).name();
    if (dlg_.resultsStale()) {
        // The check, too, is of the earlier inputs: the line says so first
        // and the summary follows in grey.
        QString text = QStringLiteral("<b><span style=\"color:%1\">%2</span></b>")
                           .arg(StatusColour(CheckStatus::Error).name(),
                                TrQ(msg::kResultsStale).toHtmlEscaped());
        if (check.done) {
            text += tr(" &nbsp; <span style=\"color:%1\">Проверка проекта: %2</span>"
                       " &nbsp; <a href=\"check\">Подробно...</a>")
                        .arg(grey, ToQ(CheckCounts(check)).toHtmlEscaped());
        }
        checkStrip_->setText(text);
        return;
    }
    if (!check.done) {
        checkStrip_->setText(tr("<span style=\"color:%1\">Проверка проекта: расчет не выполнен до "
                                "конца</span>")
                                 .arg(grey));
        return;
    }
    checkStrip_->setText(SummaryHtml(check) + tr(" &nbsp; <a href=\"check\">Подробно...</a>"));
}

void MainWindow::ShowResultsStale(bool stale) {
    // Greyed values belong to earlier inputs.
    for (const ResultRowDef& r : kResultRowDefs) {
        if (QWidget* w = control(r.valueId)) w->setEnabled(!stale);
    }
    if (QWidget* w = control(ctl::kResGapReq)) w->setEnabled(!stale);
    ShowStrip(dlg_.check());
}

void MainWindow::OpenCheckWindow() {
    CheckWindow window(this, dlg_);
    window.exec();
}

bool MainWindow::Open(const std::filesystem::path& currentDir) {
    const bool ok = dlg_.Open(currentDir);
    picture_->update();
    // The window will not be shown: what the opening had to say is shown
    // now, on its own.
    if (!ok) ShowHeldMessages();
    return ok;
}

void MainWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // The window becomes visible once this event is done: the messages of
    // its opening follow, over it.
    if (!shownOnce_) {
        shownOnce_ = true;
        QMetaObject::invokeMethod(this, &MainWindow::ShowHeldMessages, Qt::QueuedConnection);
    }
}

void MainWindow::ShowHeldMessages() {
    std::vector<HeldMessage> held;
    held.swap(heldMessages_);
    for (const HeldMessage& m : held) ShowMessageBox(m.caption, m.text, Buttons::Ok);
}

QWidget* MainWindow::control(int id) const {
    const auto it = byId_.find(id);
    return it == byId_.end() ? nullptr : it->second;
}

QAction* MainWindow::menuCommand(int id) const {
    const auto it = commands_.find(id);
    return it == commands_.end() ? nullptr : it->second;
}

void MainWindow::BuildMenu() {
    for (const MenuCommand& m : kMenu) {
        QAction* action = menuBar_->addAction(TrQ(m.text));
        commands_[m.id] = action;
    }
    // The results' menu.
    resultsMenu_ = menuBar_->addMenu(TrQ(kResultsMenuTitle));
    for (const MenuCommand& m : kResultsMenu) {
        if (m.id == 0) {
            resultsMenu_->addSeparator();
        } else {
            commands_[m.id] = resultsMenu_->addAction(TrQ(m.text));
        }
    }
    connect(commands_[ctl::kCmdTransfer], &QAction::triggered, this, [this] {
        const DesignResults& r = dlg_.results();
        // The time-domain model's frequencies beside the first-harmonic ones.
        const TdMarks td = TdMarksOf(dlg_.check(), r.Fr);
        ShowTransferCharacteristic(this, r.kLact, r.Qact, r.xMinFound ? r.xMin : 0,
                                   r.xMaxFound ? r.xMax : 0, r.Fr, dlg_.resultsStale(), td.xMin,
                                   td.xMax);
    });
    connect(commands_[ctl::kCmdHelp], &QAction::triggered, this, [this] {
        ShowHelp(this, dlg_.settingsFolder(), [this](TextView caption, TextView text) {
            MessageBox(caption, text, Buttons::Ok);
        });
    });
    connect(commands_[ctl::kCmdCircuit], &QAction::triggered, this, [this] { ShowCircuit(this); });
    connect(commands_[ctl::kCmdAbout], &QAction::triggered, this, [this] { ShowAbout(this); });
    connect(commands_[ctl::kCmdCheck], &QAction::triggered, this, [this] { OpenCheckWindow(); });
    connect(commands_[ctl::kCmdAdviser], &QAction::triggered, this, [this] {
        AdviserWindow adviser(this, dlg_);
        adviser.exec();
    });
    connect(commands_[ctl::kCmdReport], &QAction::triggered, this, [this] { SaveReport(); });
    connect(commands_[ctl::kCmdPrint], &QAction::triggered, this, [this] { PrintReport(); });

    connect(commands_[ctl::kCmdSpice], &QAction::triggered, this, [this] { ExportSpice(); });
    connect(commands_[ctl::kCmdWaveforms], &QAction::triggered, this, [this] { OpenWaveforms(); });

    // "Язык / Language": in both languages, whichever is on.
    languageMenu_ = menuBar_->addMenu(QStringLiteral("&Язык / Language"));
    auto* languages = new QActionGroup(this);
    for (const auto& [language, name] : {std::pair{Language::Russian, QStringLiteral("Русский")},
                                         std::pair{Language::English, QStringLiteral("English")}}) {
        QAction* action = languageMenu_->addAction(name);
        action->setCheckable(true);
        action->setChecked(CurrentLanguage() == language);
        languages->addAction(action);
        languageActions_[static_cast<int>(language)] = action;
        connect(action, &QAction::triggered, this, [this, l = language] { ChooseLanguage(l); });
    }
    SetUpCopying();
}

void MainWindow::ChooseLanguage(Language language) {
    StoreLanguage(language);
    if (language == CurrentLanguage()) return;
    ApplyLanguage(language);
    Retranslate();
}

void MainWindow::Retranslate() {
    setWindowTitle(ToQ(MainWindowCaption()));
    // The layout's own texts; the labels whose text the presenter sets (the
    // gap label, the units the calculation fills) come from it below.
    for (const PlacedControl& c : controls_) {
        if (c.def->text.empty() || c.def->kind == ControlKind::Value ||
            c.def->kind == ControlKind::Edit || c.def->kind == ControlKind::NameEdit ||
            c.def->kind == ControlKind::ComboBox || c.def->kind == ControlKind::ListBox) {
            continue;
        }
        if (c.def->id != kNoId &&
            (c.def->kind == ControlKind::Label || c.def->kind == ControlKind::LabelCentre ||
             c.def->kind == ControlKind::LabelRight)) {
            continue;
        }
        if (auto* label = qobject_cast<QLabel*>(c.widget)) {
            label->setText(TrQ(c.def->text));
        } else if (auto* box = qobject_cast<QGroupBox*>(c.widget)) {
            box->setTitle(TrQ(c.def->text));
        } else if (auto* button = qobject_cast<QAbstractButton*>(c.widget)) {
            button->setText(TrQ(c.def->text));
        }
    }
    for (const MenuCommand& m : kMenu) {
        if (QAction* action = menuCommand(m.id)) action->setText(TrQ(m.text));
    }
    resultsMenu_->setTitle(TrQ(kResultsMenuTitle));
    for (const MenuCommand& m : kResultsMenu) {
        if (QAction* action = menuCommand(m.id)) action->setText(TrQ(m.text));
    }
    for (int i = 0; i < 2; ++i) {
        if (languageActions_[i])
            languageActions_[i]->setChecked(static_cast<int>(CurrentLanguage()) == i);
    }
    AttachTooltips();
    checkStrip_->setToolTip(tr("Итог проверки последнего расчета"));
    dlg_.OnLanguageChanged();
}

void MainWindow::AttachTooltips() {
    for (const TooltipDef& t : MainWindowTooltips()) {
        QWidget* w = control(t.id);
        if (!w) continue;
        w->setToolTip(TooltipMarkup(Tr(t.text), QToolTip::font()));
        w->setToolTipDuration(kTooltipDurationMs);
    }
}

void MainWindow::ConnectNotifications() {
    for (const ClickHandler& c : kClickHandlers) {
        auto* button = static_cast<QAbstractButton*>(control(c.id));
        connect(button, &QAbstractButton::clicked, this, [this, h = c.handler] { (dlg_.*h)(); });
    }
    connect(static_cast<QAbstractButton*>(control(ctl::kExit)), &QAbstractButton::clicked, this,
            &MainWindow::reject);
    // Every change of the window-fill text, typing included; changes made by
    // an exchange are ignored by the handler.
    connect(static_cast<QLineEdit*>(control(ctl::kKo)), &QLineEdit::textChanged, this,
            [this] { dlg_.OnKoChanged(); });
    auto* cores = static_cast<QComboBox*>(control(ctl::kCoreList));
    connect(cores->lineEdit(), &QLineEdit::textEdited, this, [this] { dlg_.OnCoreTextEdited(); });
    connect(cores, &QComboBox::activated, this, [this] { dlg_.OnCoreSelected(); });
    auto* materials = static_cast<QComboBox*>(control(ctl::kMaterialList));
    connect(materials, &QComboBox::activated, this, [this] { dlg_.OnMaterialSelected(); });
    // Typing in the material list ends with Enter (see eventFilter) or when
    // the focus leaves it.
    connect(materials->lineEdit(), &QLineEdit::editingFinished, this,
            [this] { dlg_.OnMaterialTextEntered(); });
    // Every input the user changes, after the handlers above: the results
    // may now belong to earlier inputs.
    for (const FieldControls& f : kFieldControls) {
        for (int b = 0; b < f.count; ++b) {
            QWidget* w = control(f.ids[static_cast<size_t>(b)]);
            if (auto* edit = qobject_cast<QLineEdit*>(w)) {
                connect(edit, &QLineEdit::textChanged, this, [this] { dlg_.OnInputChanged(); });
            } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
                connect(button, &QAbstractButton::clicked, this, [this] { dlg_.OnInputChanged(); });
            }
        }
    }
}

void MainWindow::reject() {
    dlg_.OnExit();
    QDialog::reject();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const auto mods = key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier |
                                              Qt::AltModifier | Qt::MetaModifier);
        // F1 without Shift, Ctrl or Alt, in any of the program's windows, is
        // the "Помощь" command.
        QAction* help = menuCommand(ctl::kCmdHelp);
        if (key->key() == Qt::Key_F1 && mods == Qt::NoModifier && help && help->isEnabled()) {
            help->trigger();
            return true;
        }
        if (watched == menuBar_ && MenuKey(*key)) return true;
        // F10 in the main window opens its menu bar, as Alt does.
        if (key->key() == Qt::Key_F10 && mods == Qt::NoModifier && isActiveWindow()) {
            OpenMenuBar();
            return true;
        }
        // Enter ends typing in the material list; when the typed text chose
        // another material, that choice has calculated and Enter is done.
        auto* materials = static_cast<QComboBox*>(control(ctl::kMaterialList));
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            (watched == materials || watched == materials->lineEdit()) &&
            dlg_.OnMaterialTextEntered()) {
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void MainWindow::OpenMenuBar() {
    // The menu bar opens for the keyboard on a lone Alt, pressed and
    // released; F10 does the same through it.
    QKeyEvent press(QEvent::ShortcutOverride, Qt::Key_Alt, Qt::NoModifier);
    QCoreApplication::sendEvent(this, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Alt, Qt::NoModifier);
    QCoreApplication::sendEvent(this, &release);
}

bool MainWindow::MenuKey(const QKeyEvent& key) {
    // With the menu bar open for the keyboard, a command's letter chooses it
    // (the commands open no drop-down menus that the letter could show).
    if (key.text().size() != 1 || (key.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)))
        return false;
    const QChar letter = key.text()[0].toUpper();
    for (QAction* action : menuBar_->actions()) {
        if (!action->isEnabled() || MnemonicOf(action->text()) != letter) continue;
        // A drop-down menu opens; a command runs after Escape has closed the
        // menu bar and given the focus back.
        if (action->menu()) {
            menuBar_->setActiveAction(action);
            return true;
        }
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QCoreApplication::sendEvent(menuBar_, &escape);
        action->trigger();
        return true;
    }
    return false;
}

// --- View ----------------------------------------------------------------------

Text MainWindow::GetText(int id) const {
    QWidget* w = control(id);
    if (auto* edit = qobject_cast<QLineEdit*>(w)) return FromQ(edit->text());
    if (auto* label = qobject_cast<QLabel*>(w)) return FromQ(label->text());
    if (auto* combo = qobject_cast<QComboBox*>(w)) return FromQ(combo->currentText());
    if (auto* button = qobject_cast<QAbstractButton*>(w)) return FromQ(button->text());
    return {};
}

void MainWindow::SetText(int id, const Text& text) {
    QWidget* w = control(id);
    const QString q = ToQ(text);
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        if (edit->text() != q) edit->setText(q);
    } else if (auto* label = qobject_cast<QLabel*>(w)) {
        label->setText(q);
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        const QSignalBlocker blocker(combo);
        combo->setEditText(q);
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        button->setText(q);
    }
}

bool MainWindow::IsChecked(int id) const {
    auto* button = qobject_cast<QAbstractButton*>(control(id));
    return button && button->isChecked();
}

void MainWindow::SetChecked(int id, bool checked) {
    auto* button = qobject_cast<QAbstractButton*>(control(id));
    if (!button || button->isChecked() == checked) return;
    QButtonGroup* group = button->group();
    if (!checked && group && group->exclusive()) {
        // An exclusive group does not let its checked button be cleared.
        group->setExclusive(false);
        button->setChecked(false);
        group->setExclusive(true);
        return;
    }
    button->setChecked(checked);
}

void MainWindow::SetEnabled(int id, bool enabled) {
    if (QWidget* w = control(id)) w->setEnabled(enabled);
}

bool MainWindow::IsEnabled(int id) const {
    QWidget* w = control(id);
    return w && w->isEnabled();
}

void MainWindow::ListClear(int id) {
    auto* combo = qobject_cast<QComboBox*>(control(id));
    if (!combo) return;
    const QSignalBlocker blocker(combo);
    combo->clear();
    combo->setEditText(QString());
}

void MainWindow::ListAdd(int id, const Text& entry) {
    auto* combo = qobject_cast<QComboBox*>(control(id));
    if (!combo) return;
    const QSignalBlocker blocker(combo);
    const int selected = combo->currentIndex();
    combo->addItem(ToQ(entry));
    // Adding to an empty list does not select the new entry.
    if (selected < 0 && combo->currentIndex() != selected) {
        combo->setCurrentIndex(-1);
        combo->setEditText(QString());
    }
}

int MainWindow::ListCount(int id) const {
    auto* combo = qobject_cast<QComboBox*>(control(id));
    return combo ? combo->count() : 0;
}

Text MainWindow::ListItem(int id, int index) const {
    auto* combo = qobject_cast<QComboBox*>(control(id));
    if (!combo || index < 0 || index >= combo->count()) return {};
    return FromQ(combo->itemText(index));
}

int MainWindow::ListSelection(int id) const {
    auto* combo = qobject_cast<QComboBox*>(control(id));
    return combo ? combo->currentIndex() : -1;
}

void MainWindow::ListSelect(int id, int index) {
    auto* combo = qobject_cast<QComboBox*>(control(id));
    if (!combo) return;
    const QSignalBlocker blocker(combo);
    if (index < 0 || index >= combo->count()) {
        combo->setCurrentIndex(-1);
        combo->setEditText(QString());
        return;
    }
    combo->setCurrentIndex(index);
    combo->setEditText(combo->itemText(index));
}

View::Answer MainWindow::MessageBox(TextView caption, TextView text, Buttons buttons) {
    if (messageHook_) return messageHook_(caption, text, buttons);
    // Until the window has been shown, a message that only informs waits for
    // it, so that it appears over the window rather than alone.
    if (!shownOnce_ && buttons == Buttons::Ok) {
        heldMessages_.push_back(HeldMessage{Text(caption), Text(text)});
        return Answer::Ok;
    }
    return ShowMessageBox(caption, text, buttons);
}

View::Answer MainWindow::ShowMessageBox(TextView caption, TextView text, Buttons buttons) {
    if (messageHook_) return messageHook_(caption, text, buttons);
    const bool okCancel = buttons == Buttons::OkCancel;
    QMessageBox box(QMessageBox::NoIcon, ToQ(caption), ToQ(text),
                    okCancel ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok, this);
    if (okCancel) box.button(QMessageBox::Cancel)->setText(tr("Отмена"));
    box.setDefaultButton(QMessageBox::Ok);
    const int result = box.exec();
    return !okCancel || result == QMessageBox::Ok ? Answer::Ok : Answer::Cancel;
}

void MainWindow::InvalidatePicture() {
    picture_->update();
}

void MainWindow::FocusControl(int id) {
    if (QWidget* w = control(id)) w->setFocus(Qt::OtherFocusReason);
}

std::optional<Text> MainWindow::PickFileToOpen(const std::filesystem::path& folder) {
    COpenFileDlg picker(folder, this);
    if (picker.exec() != QDialog::Accepted) return std::nullopt;
    return picker.chosenName();
}

std::optional<Text> MainWindow::PickFileToSave(const std::filesystem::path& folder,
                                               const Text& suggested) {
    CSaveFileDlg picker(folder, suggested, this);
    if (picker.exec() != QDialog::Accepted) return std::nullopt;
    return picker.chosenName();
}

}  // namespace kelvara::ui
