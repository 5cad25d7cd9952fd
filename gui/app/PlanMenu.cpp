#include "app/PlanMenu.h"

#include "app/MainWindow.h"
#include "app/PlanFile.h"
#include "app/PlanOpening.h"
#include "app/Planner.h"
#include "app/UndoHistory.h"
#include "app/UserMessages.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include "app/UserSettings.h"
#include <QTextEdit>

namespace veldora {

namespace {

const QString kFolderKey = QStringLiteral("plans/folder");

QString planFilter() {
    return QStringLiteral("Планы Вельдоры (*.%1);;Все файлы (*)").arg(QString::fromLatin1(kPlanSuffix));
}

QString chooseFile(QWidget *parent, const QString &suggested, bool saving) {
    QFileDialog dialog(parent, saving ? QStringLiteral("Сохранить план") : QStringLiteral("Открыть план"));
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilter(planFilter());
    dialog.setDefaultSuffix(QString::fromLatin1(kPlanSuffix));
    const QFileInfo start(suggested);
    if (start.isDir()) {
        dialog.setDirectory(suggested);
    } else {
        dialog.setDirectory(start.absolutePath());
        dialog.selectFile(start.fileName());
    }
    return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty() ? dialog.selectedFiles().front()
                                                                                   : QString();
}

PlanDialogs::CloseAnswer askOnClose(QWidget *parent, const QString &planName) {
    QMessageBox box(QMessageBox::Question, QApplication::applicationName(),
                    QStringLiteral("План «%1» изменён. Сохранить изменения?").arg(planName), QMessageBox::NoButton,
                    parent);
    QPushButton *save = box.addButton(QStringLiteral("Сохранить"), QMessageBox::AcceptRole);
    QPushButton *discard = box.addButton(QStringLiteral("Не сохранять"), QMessageBox::DestructiveRole);
    QPushButton *cancel = box.addButton(QStringLiteral("Отмена"), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == save) return PlanDialogs::CloseAnswer::Save;
    if (box.clickedButton() == discard) return PlanDialogs::CloseAnswer::Discard;
    return PlanDialogs::CloseAnswer::Cancel;
}

}  // namespace

PlanDialogs &planDialogs() {
    static PlanDialogs dialogs{
        [](QWidget *parent, const QString &suggested) { return chooseFile(parent, suggested, false); },
        [](QWidget *parent, const QString &suggested) { return chooseFile(parent, suggested, true); },
        askOnClose,
    };
    return dialogs;
}

PlanMenu::PlanMenu(MainWindow &main, UndoHistory &history, UserMessages &messages, const QString &programFolder)
    : QObject(&main), main_(main), history_(history), messages_(messages), programFolder_(programFolder),
      baseTitle_(main.windowTitle()) {
    undo_ = main.menuEntry("MenuUndo");
    redo_ = main.menuEntry("MenuRedo");
    redo_->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    connect(undo_, &QAction::triggered, this, &PlanMenu::undo);
    connect(redo_, &QAction::triggered, this, &PlanMenu::redo);
    connect(main.menuEntry("MenuSavePlan"), &QAction::triggered, this, &PlanMenu::savePlan);
    connect(main.menuEntry("MenuOpenPlan"), &QAction::triggered, this, &PlanMenu::openPlan);
    connect(&history_, &UndoHistory::changed, this, &PlanMenu::refresh);
    // Sees the main window's closing and the keys of its text fields.
    qApp->installEventFilter(this);
    refresh();
}

// The item under the pointer may be gone with the step.
void PlanMenu::undo() {
    main_.hideInfo();
    history_.undo();
}

void PlanMenu::redo() {
    main_.hideInfo();
    history_.redo();
}

void PlanMenu::refresh() {
    const auto caption = [](QAction *a, const QString &verb, const QString &label) {
        a->setEnabled(!label.isEmpty());
        a->setText(label.isEmpty() ? verb : verb + QStringLiteral(": ") + label);
    };
    caption(undo_, QStringLiteral("Отменить"), history_.undoLabel());
    caption(redo_, QStringLiteral("Повторить"), history_.redoLabel());
    // The title stays the program's own until the player keeps a plan.
    if (planPath_.isEmpty()) return;
    main_.setWindowTitle(QStringLiteral("%1[*] — %2").arg(planName(planPath_), baseTitle_));
    main_.setWindowModified(!history_.isClean());
}

QString PlanMenu::startFolder() const {
    const QString folder = openUserSettings()->value(kFolderKey).toString();
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : programFolder_;
}

void PlanMenu::rememberFolder(const QString &path) {
    openUserSettings()->setValue(kFolderKey, QFileInfo(path).absolutePath());
}

void PlanMenu::savePlan() {
    const QString suggested =
        planPath_.isEmpty() ? QDir(startFolder()).filePath(QStringLiteral("План.") + QString::fromLatin1(kPlanSuffix))
                            : planPath_;
    const QString path = planDialogs().chooseSave(&main_, suggested);
    if (!path.isEmpty()) saveTo(path);
}

void PlanMenu::openPlan() {
    const QString path = planDialogs().chooseOpen(&main_, planPath_.isEmpty() ? startFolder() : planPath_);
    if (!path.isEmpty()) openFrom(path);
}

bool PlanMenu::saveTo(const QString &path) {
    QString error;
    if (!savePlanFile(path, history_.planner().state(), &error)) {
        messages_.showMessage(error);
        return false;
    }
    rememberFolder(path);
    planPath_ = path;
    history_.markClean();
    return true;
}

bool PlanMenu::openFrom(const QString &path) {
    rememberFolder(path);
    if (!openPlanFile(history_, path)) return false;
    planPath_ = path;
    history_.markClean();
    return true;
}

bool PlanMenu::fieldHasKeyboard() const {
    QWidget *focus = QApplication::focusWidget();
    if (!focus || focus->window() != &main_) return false;
    return qobject_cast<QLineEdit *>(focus) || qobject_cast<QTextEdit *>(focus) ||
           qobject_cast<QPlainTextEdit *>(focus) || qobject_cast<QAbstractSpinBox *>(focus);
}

bool PlanMenu::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::ShortcutOverride && fieldHasKeyboard()) {
        // Accepted here, the key goes to the field as a key press instead of
        // firing the menu entry: its own undo, redo or delete.
        const auto *key = static_cast<QKeyEvent *>(event);
        const QKeySequence pressed(key->keyCombination());
        QList<QKeySequence> fieldKeys = undo_->shortcuts() + redo_->shortcuts();
        if (QAction *takeOffAll = main_.menuEntry("N21")) fieldKeys += takeOffAll->shortcuts();
        if (fieldKeys.contains(pressed)) event->accept();
        return false;
    }
    if (watched == &main_ && event->type() == QEvent::Close && !planPath_.isEmpty() && !history_.isClean() &&
        !closeAnswered_) {
        switch (planDialogs().askOnClose(&main_, planName(planPath_))) {
        case PlanDialogs::CloseAnswer::Save:
            if (!saveTo(planPath_)) break;
            closeAnswered_ = true;
            return false;
        case PlanDialogs::CloseAnswer::Discard:
            closeAnswered_ = true;
            return false;
        case PlanDialogs::CloseAnswer::Cancel:
            break;
        }
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace veldora
