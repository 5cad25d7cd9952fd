#pragma once

#include "app/ChoiceAdvisor.h"
#include "app/ChoosingSettings.h"
#include "equipment/Slots.h"

#include <QColor>
#include <QObject>

class QAction;

namespace veldora {

class BrowserSearch;
class BrowserWindow;
class InfoPanel;
class MainWindow;
class Planner;

// The aids to choosing an item, beside the windows the program has anyway: the
// information panels say what putting an item on or taking it off would change
// and what its requirements lack, the box after a refused item lists what is
// lacking, the main window marks overweight and a too low level, and the browser
// searches. "Показывать изменения" in "Настройки" turns all but the search off,
// which leaves every window as it is without them.
class ChoosingAids : public QObject {
    Q_OBJECT
public:
    ChoosingAids(MainWindow &main, BrowserWindow &browser, Planner &planner, ChoosingSettings settings = ChoosingSettings());

    bool showChanges() const { return showChanges_; }
    void setShowChanges(bool on);

    ChoiceAdvisor &advisor() { return advisor_; }
    BrowserSearch *search() const { return search_; }

private:
    void addToCatalogueInfo(InfoPanel &panel, int tab, int row);
    void addToWornInfo(InfoPanel &panel, Slot slot);
    void markSheet();

    MainWindow &main_;
    Planner &planner_;
    ChoosingSettings settings_;
    ChoiceAdvisor advisor_;
    BrowserSearch *search_;
    QAction *entry_;
    bool showChanges_;
    QColor massColour_, levelColour_;  // as the window draws them unmarked
};

// Creates the aids for the started windows; the main window owns them.
ChoosingAids *installChoosingAids(MainWindow &main, BrowserWindow &browser, Planner &planner);

}  // namespace veldora
