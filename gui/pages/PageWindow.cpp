#include "pages/PageWindow.h"

#include "app/MainWindow.h"
#include "app/WindowPlatform.h"
#include "catalogue/ProgramFiles.h"
#include "pages/PageFile.h"
#include "pages/PageTable.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHideEvent>
#include <QTextDocument>

namespace veldora {

namespace {

bool isPageFile(const QString &path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QLatin1String("html") || suffix == QLatin1String("htm");
}

}  // namespace

// ---------------------------------------------------------------- PageView

PageView::PageView(const QString &programFolder, QWidget *parent)
    : QTextBrowser(parent), programFolder_(QDir::cleanPath(programFolder)), opener_(defaultExternalOpener()) {
    // Links are followed here, so that web links leave the view and local ones
    // find their file whatever its letter case.
    setOpenLinks(false);
    setOpenExternalLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, &PageView::followLink);
}

QString PageView::onDisk(const QString &localPath) const {
    const QString path = QDir::cleanPath(localPath);
    const QString prefix = programFolder_ + QLatin1Char('/');
    if (!path.startsWith(prefix)) return path;
    return resolveStoredPath(programFolder_, path.mid(prefix.size()));
}

void PageView::showFile(const QString &path) {
    const PageText page = readPageFile(path);
    shownFile_ = path;
    problem_ = page.problem;
    if (!page.ok()) {
        pageText_.clear();
        setHtml(pageProblemHtml(page.problem));
        return;
    }
    pageText_ = page.html;
    const QUrl url = QUrl::fromLocalFile(path);
    // The view does not load its current page again by itself.
    if (source() == url)
        reload();
    else
        setSource(url, QTextDocument::HtmlResource);
}

QVariant PageView::loadResource(int type, const QUrl &name) {
    const QUrl url = name.isRelative() ? source().resolved(name) : name;
    if (!url.isLocalFile()) return {};
    const QString path = onDisk(url.toLocalFile());
    if (type == QTextDocument::HtmlResource && path == shownFile_) return pageText_;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = file.readAll();
    if (type == QTextDocument::HtmlResource || type == QTextDocument::StyleSheetResource)
        return decodePageBytes(bytes);
    return bytes;
}

void PageView::followLink(const QUrl &link) {
    const QUrl target = link.isRelative() ? source().resolved(link) : link;
    if (!target.isLocalFile()) {
        if (opener_) opener_(target);
        return;
    }
    const QString path = onDisk(target.toLocalFile());
    if (path == shownFile_ && target.hasFragment()) {
        scrollToAnchor(target.fragment());
        return;
    }
    if (!isPageFile(path)) {
        if (opener_) opener_(QUrl::fromLocalFile(path));
        return;
    }
    showFile(path);
    if (target.hasFragment() && problem_.isEmpty()) scrollToAnchor(target.fragment());
}

// ---------------------------------------------------------------- PageWindow

PageWindow::PageWindow(const QString &programFolder, QWidget *parent)
    : QWidget(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), programFolder_(programFolder) {
    setObjectName(QStringLiteral("TFormBunusStat"));
    setWindowTitle(QStringLiteral("Полезная информация"));
    setFixedSize(965, 666);
    view_ = new PageView(programFolder, this);
    view_->setObjectName(QStringLiteral("WebBrowser1"));
    view_->setGeometry(rect());  // the whole client area, scroll bars included
    view_->setFrameShape(QFrame::NoFrame);

    fadeTimer_.setInterval(1);
    connect(&fadeTimer_, &QTimer::timeout, this, &PageWindow::fadeStep);
    applyOpacity(this, 0.0);
    centreOnScreen(this);
}

void PageWindow::attach(MainWindow &main) {
    for (const PageEntry &entry : pageEntries()) {
        QAction *action = main.menuEntry(entry.objectName.toUtf8().constData());
        if (!action) continue;
        connect(action, &QAction::triggered, this, [this, page = entry.page] { showPage(page); });
    }
    connect(this, &PageWindow::activated, &main, &QWidget::hide);
    connect(this, &PageWindow::closed, &main, [&main] { bringToFront(&main); });
}

void PageWindow::showPage(const QString &storedPage) {
    view_->showFile(resolveStoredPath(programFolder_, storedPage));
    bringToFront(this);
}

bool PageWindow::event(QEvent *event) {
    if (event->type() == QEvent::WindowActivate) {
        fade_.start();
        if (!fadeTimer_.isActive()) fadeTimer_.start();
        emit activated();
    }
    return QWidget::event(event);
}

void PageWindow::fadeStep() {
    if (!fade_.step()) fadeTimer_.stop();
    applyOpacity(this, fade_.opacity() / 255.0);
}

void PageWindow::hideEvent(QHideEvent *event) {
    QWidget::hideEvent(event);
    // Minimising is no closing: the main window stays hidden behind the page. A
    // fade-in cut short by closing runs on to its end, hidden.
    if (!event->spontaneous()) emit closed();
}

}  // namespace veldora
