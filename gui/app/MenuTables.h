#pragma once

#include <QMenu>
#include <QString>

#include <vector>

namespace veldora {

// Builds menus from a flat table in menu order: the line at depth d goes into the
// last submenu opened at depth d - 1 (`root` for depth 0). `addLine(into, line)`
// adds one line and returns the submenu it opened, or nullptr.
template <typename Lines, typename AddLine>
void walkMenuTable(QMenu *root, const Lines &lines, AddLine addLine) {
    std::vector<QMenu *> open{root};
    for (const auto &line : lines) {
        open.resize(line.depth + 1);
        if (QMenu *opened = addLine(open.back(), line)) open.push_back(opened);
    }
}

// A submenu found by the same object name as the menu and as its entry in the parent.
inline QMenu *addNamedSubmenu(QMenu *into, const QString &caption, const QString &name) {
    QMenu *sub = into->addMenu(caption);
    sub->setObjectName(name);
    sub->menuAction()->setObjectName(name);
    return sub;
}

}  // namespace veldora
