#include "customitems/CustomItemWindows.h"

#include "app/MainWindow.h"
#include "customitems/CreateItemWindow.h"
#include "customitems/EditItemWindow.h"
#include "customitems/ItemCardWindow.h"
#include "customitems/ItemHelpWindow.h"
#include "customitems/ItemListWindow.h"
#include "app/WindowPlatform.h"

#include <QAction>

namespace veldora {

CustomItemWindows installCustomItemWindows(MainWindow &main, UserMessages &messages,
                                           const QString &programFolder) {
    const CustomItemStore store(programFolder);
    CustomItemWindows w;
    w.help = new ItemHelpWindow(&main);
    w.create = new CreateItemWindow(store, messages, w.help, &main);
    w.list = new ItemListWindow(store, messages, &main);
    w.edit = new EditItemWindow(store, messages, w.help, &main);
    w.card = new ItemCardWindow(main.history(), store, messages, &main);

    QObject::connect(main.menuEntry("N10"), &QAction::triggered, w.create, [create = w.create] { bringToFront(create); });
    QObject::connect(main.menuEntry("N8"), &QAction::triggered, w.list, [list = w.list] { bringToFront(list); });
    QObject::connect(w.list, &ItemListWindow::lookAt, w.card, &ItemCardWindow::openFor);
    QObject::connect(w.list, &ItemListWindow::editItem, w.edit, &EditItemWindow::openFor);
    QObject::connect(w.card, &ItemCardWindow::putOnFinished, &main, [&main, list = w.list, card = w.card] {
        list->hide();
        card->hide();
        main.syncFromPlanner();
        bringToFront(&main);
    });
    return w;
}

}  // namespace veldora
