#pragma once

#include <QString>
#include <QStringList>
#include <QVector>
#include <array>
#include <span>

namespace veldora {

enum class PageLineKind { Submenu, Page, Separator };

// The menu "Полезная информация", one line per menu item in menu order. `depth` 0
// are the items directly under "Полезная информация"; an item belongs to the
// nearest Submenu line above it with depth one less. Page lines name the page
// below the program folder as the Windows version stored it.
struct PageMenuLine {
    int depth;
    PageLineKind kind;
    const char *caption;     // UTF-8
    const char *objectName;  // the menu entry's name in the main window
    const char *page;        // Page lines only
};

std::span<const PageMenuLine> pageMenu();

// One page line with the captions leading to it from "Полезная информация".
struct PageEntry {
    QStringList menuPath;
    QString objectName;
    QString page;
};

// The page lines of pageMenu(), in menu order.
QVector<PageEntry> pageEntries();

// The tutorial's articles from top to bottom: the label that shows the title and
// the title, which also names the article's file.
struct Article {
    const char *label;
    const char *title;  // UTF-8
};
constexpr int kArticleCount = 12;
extern const std::array<Article, kArticleCount> kArticles;

// The article's file below the program folder, as the Windows version stored it.
QString articleStoredPath(const QString &title);

}  // namespace veldora
