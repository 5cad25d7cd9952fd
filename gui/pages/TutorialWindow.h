#pragma once

#include "pages/ExternalOpener.h"
#include "pages/PageTable.h"

#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>

class QCheckBox;

namespace veldora {

class HoverLabel;
class MainWindow;
class UserMessages;

// The tutorial window `TFormStartHelp`: the articles, each opened with the
// player's default program, and the check box that opens the tutorial at start.
// Opened from the settings file with its byte 0 set, it keeps the main window
// disabled until it closes.
class TutorialWindow : public QWidget {
    Q_OBJECT
public:
    // `requirementCheckOn` tells the current requirement check, which "Применить"
    // writes beside the check box.
    TutorialWindow(const QString &programFolder, UserMessages &messages, std::function<bool()> requirementCheckOn,
                   QWidget *parent = nullptr);

    // "Обучение", the tutorial at start-up, the check box that "Проверка
    // требований" writes, and the main window enabled again on close.
    void attach(MainWindow &main);

    void setExternalOpener(ExternalOpener opener) { opener_ = std::move(opener); }

    // "Обучение": reads the settings file; with byte 0 set the box is ticked and
    // the main window disabled. The window shows either way.
    void openFromMenu();
    // The start-up with byte 0 set (and "Обучение" finding it set): the box
    // ticked, the main window disabled.
    void openAtStart();

    void openArticle(int index);
    void apply();

    QCheckBox *checkBox() const { return box_; }
    HoverLabel *articleLabel(int index) const { return articles_[index]; }

protected:
    void hideEvent(QHideEvent *event) override;

private:
    QString programFolder_;
    UserMessages &messages_;
    std::function<bool()> requirementCheckOn_;
    ExternalOpener opener_;
    QPointer<QWidget> main_;
    std::array<HoverLabel *, kArticleCount> articles_{};
    QCheckBox *box_;
};

}  // namespace veldora
