#include "views/ChoosingAids.h"

#include "app/MainWindow.h"
#include "app/Planner.h"
#include "character/SheetMarks.h"
#include "views/BrowserSearch.h"
#include "views/BrowserWindow.h"
#include "views/ChoiceText.h"
#include "views/InfoPanel.h"

#include <QAction>
#include <QLabel>

#include <algorithm>

namespace veldora {

namespace {

QColor textColour(const QLabel *label) { return label->palette().color(QPalette::WindowText); }

void setTextColour(QLabel *label, const QColor &c) {
    if (textColour(label) == c) return;
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, c);
    label->setPalette(pal);
}

const QColor kMarkRed(255, 0, 0);

}  // namespace

ChoosingAids::ChoosingAids(MainWindow &main, BrowserWindow &browser, Planner &planner, ChoosingSettings settings)
    : QObject(&main),
      main_(main),
      planner_(planner),
      settings_(std::move(settings)),
      advisor_(planner),
      showChanges_(settings_.showChanges()) {
    setObjectName(QStringLiteral("ChoosingAids"));
    massColour_ = textColour(main_.sheetLabel(Lbl::LabelMassa));
    levelColour_ = textColour(main_.sheetLabel(Lbl::LTreb_Lvl));

    search_ = new BrowserSearch(
        browser, planner_.state().catalogue, [this](int tab) { return advisor_.wearableRows(tab); },
        settings_.onlyWearable());
    connect(search_, &BrowserSearch::onlyWearableChanged, this, [this](bool on) { settings_.setOnlyWearable(on); });

    entry_ = main_.menuEntry("MenuShowChanges");
    entry_->setCheckable(true);
    entry_->setChecked(showChanges_);
    connect(entry_, &QAction::toggled, this, &ChoosingAids::setShowChanges);

    browser.setInfoAddition([this](InfoPanel &panel, int tab, int row) { addToCatalogueInfo(panel, tab, row); });
    main_.setWornInfoAddition([this](InfoPanel &panel, Slot slot) { addToWornInfo(panel, slot); });
    connect(&main_, &MainWindow::synced, this, [this] {
        markSheet();
        search_->characterChanged();
    });
    planner_.setRequirementListShown(showChanges_);
    markSheet();
}

void ChoosingAids::setShowChanges(bool on) {
    if (on == showChanges_) return;
    showChanges_ = on;
    settings_.setShowChanges(on);
    entry_->setChecked(on);
    planner_.setRequirementListShown(on);
    markSheet();
}

void ChoosingAids::addToCatalogueInfo(InfoPanel &panel, int tab, int row) {
    if (!showChanges_) return;
    panel.setChoice(buildChoiceText(panel.info(), advisor_.catalogueItem(tab, row)));
}

void ChoosingAids::addToWornInfo(InfoPanel &panel, Slot slot) {
    if (!showChanges_) return;
    // Placed beside its slot already: it may reach down to the end of the window's content.
    panel.setChoice(buildChoiceText(panel.info(), advisor_.wornItem(slot)),
                    std::min(InfoPanel::kMaxChoiceHeight, main_.canvas()->height() - panel.y()));
}

void ChoosingAids::markSheet() {
    const PlannerState &s = planner_.state();
    const SheetMarks marks = showChanges_ ? sheetMarks(s.sheet, s.points.level) : SheetMarks{};
    setTextColour(main_.sheetLabel(Lbl::LabelMassa), marks.overweight ? kMarkRed : massColour_);
    setTextColour(main_.sheetLabel(Lbl::LTreb_Lvl), marks.levelTooLow ? kMarkRed : levelColour_);
}

ChoosingAids *installChoosingAids(MainWindow &main, BrowserWindow &browser, Planner &planner) {
    return new ChoosingAids(main, browser, planner, ChoosingSettings());
}

}  // namespace veldora
