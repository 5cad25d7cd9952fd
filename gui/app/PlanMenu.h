#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QAction;
class QWidget;

namespace veldora {

class MainWindow;
class UndoHistory;
class UserMessages;

// The dialogs of the plan entries: Qt's own; tests replace them. A chooser
// returns the chosen file's full path, empty when the player cancels.
struct PlanDialogs {
    enum class CloseAnswer { Save, Discard, Cancel };
    // `suggested` is the file (or folder) the dialog starts on.
    std::function<QString(QWidget *parent, const QString &suggested)> chooseOpen;
    std::function<QString(QWidget *parent, const QString &suggested)> chooseSave;
    // Closing with unsaved changes: "Сохранить", "Не сохранять", "Отмена".
    std::function<CloseAnswer(QWidget *parent, const QString &planName)> askOnClose;
};
PlanDialogs &planDialogs();

// The last entries of "Персонаж": "Отменить", "Повторить", "Сохранить план...",
// "Открыть план...". Their captions name the step undo and redo would take back;
// once a plan was saved or opened, the title names it and marks unsaved changes,
// and closing with unsaved changes asks once whether to save. While a text field
// of the main window has the keyboard, the undo and redo keys (and Del) are the
// field's own.
class PlanMenu : public QObject {
    Q_OBJECT
public:
    PlanMenu(MainWindow &main, UndoHistory &history, UserMessages &messages, const QString &programFolder);

    // The open plan's file; empty while no plan was saved or opened.
    const QString &planPath() const { return planPath_; }

    void undo();
    void redo();
    // The menu entries: ask for a file, then save or open it.
    void savePlan();
    void openPlan();
    // Without a dialog. Return whether it worked; a failure has been shown.
    bool saveTo(const QString &path);
    bool openFrom(const QString &path);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void refresh();
    QString startFolder() const;
    void rememberFolder(const QString &path);
    bool fieldHasKeyboard() const;

    MainWindow &main_;
    UndoHistory &history_;
    UserMessages &messages_;
    QString programFolder_;
    QString baseTitle_;
    QString planPath_;
    bool closeAnswered_ = false;
    QAction *undo_ = nullptr;
    QAction *redo_ = nullptr;
};

}  // namespace veldora
