#pragma once

#include "pages/ExternalOpener.h"
#include "pages/PageFadeIn.h"

#include <QTextBrowser>
#include <QTimer>
#include <QWidget>

namespace veldora {

class MainWindow;

// The HTML view of the page window: local pages of the program folder, with
// their pictures and links found whatever the letter case on disk. A page that
// cannot be shown shows one line saying why; a web link, or a link to a file that
// is no page, goes to the player's default program.
class PageView : public QTextBrowser {
    Q_OBJECT
public:
    PageView(const QString &programFolder, QWidget *parent);

    void setExternalOpener(ExternalOpener opener) { opener_ = std::move(opener); }

    // Shows the page at `path` (on disk), or the line that says why it cannot.
    void showFile(const QString &path);
    // The page asked for last, and why it is not shown (empty when it is).
    const QString &shownFile() const { return shownFile_; }
    const QString &problem() const { return problem_; }

    QVariant loadResource(int type, const QUrl &name) override;

private:
    void followLink(const QUrl &link);
    QString onDisk(const QString &localPath) const;

    QString programFolder_;
    ExternalOpener opener_;
    QString shownFile_;
    QString problem_;
    QString pageText_;  // the text of shownFile_, handed to the view by loadResource
};

// The page window `TFormBunusStat`: shows one page of "Полезная информация".
// While it is active the main window is hidden; it fades in at each activation
// and brings the main window back when it closes.
class PageWindow : public QWidget {
    Q_OBJECT
public:
    explicit PageWindow(const QString &programFolder, QWidget *parent = nullptr);

    // Connects the menu entries of the page table and hides and shows `main`.
    void attach(MainWindow &main);

    // Shows the page stored as `storedPage` below the program folder, then the window.
    void showPage(const QString &storedPage);

    PageView *view() const { return view_; }
    int fadeOpacity() const { return fade_.opacity(); }
    bool fading() const { return fadeTimer_.isActive(); }

signals:
    void activated();
    void closed();

protected:
    bool event(QEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void fadeStep();

    QString programFolder_;
    PageView *view_;
    PageFadeIn fade_;
    QTimer fadeTimer_;
};

}  // namespace veldora
