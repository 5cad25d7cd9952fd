// Timings of forging and enchanting, printed: one ApplyForge and one
// EnchantWornItem with all 21 slots dressed in items whose every column is
// non-zero, a run of forgings of one ring until its table is full, and the
// forge window brought in line after a click.
//
//     crafting_bench        (offscreen: QT_QPA_PLATFORM=offscreen)
#include "BenchSupport.h"
#include "app/MainWindow.h"
#include "app/Planner.h"
#include "app/UndoHistory.h"
#include "crafting/Enchanting.h"
#include "crafting/Forge.h"
#include "crafting/ForgeWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace veldora;

namespace {

using veldora::bench::median;
using veldora::bench::SilentMessages;

template <typename F>
double microseconds(F &&f) {
    return 1000 * bench::milliseconds(f);
}

void addItem(Catalogue &c, Category category, int seed) {
    QVector<QString> cells = bench::madeUpItemCells(QStringLiteral("Предмет %1").arg(seed), QStringLiteral("Набор"), seed);
    cells[col::Artefact] = QStringLiteral("Да");
    cells[col::ReqLevel] = QStringLiteral("16");
    bench::appendMadeUpItem(c, category, cells);
}

// Five items in every table; all 21 slots dressed.
Planner dressedPlanner(SilentMessages &messages) {
    Catalogue c;
    int seed = 0;
    for (const CategoryInfo &info : kCategories)
        for (int i = 0; i < 5; ++i) addItem(c, info.category, ++seed);
    Planner planner(std::move(c), QStringLiteral("/nonexistent"), QStringLiteral(","), &messages);
    for (const SlotInfo &s : kSlots) planner.equipFromCatalogue(s.category, QStringLiteral("Набор"), s.slot, 1 + s.requirementRow % 5);
    return planner;
}

const ForgeMenuEntry &forgeEntryOf(Slot slot) {
    return *std::find_if(kForgeMenu.begin(), kForgeMenu.end(), [&](const ForgeMenuEntry &e) { return e.slot == slot; });
}

Forge spentForge(Planner &planner, Slot slot) {
    Forge forge;
    chooseForgeEntry(planner, forge, forgeEntryOf(slot));
    for (int p = 0; p < kForgePairCount && forge.units > 0; ++p) forge.plus(p);
    return forge;
}

}  // namespace

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    SilentMessages messages;
    Planner planner = dressedPlanner(messages);
    const PlannerState dressed = planner.state();
    constexpr int kRuns = 200;

    std::vector<double> forgeTimes, enchantTimes;
    for (int i = 0; i < kRuns; ++i) {
        planner.restore(dressed);
        const Forge forge = spentForge(planner, Slot::Helmet);
        forgeTimes.push_back(microseconds([&] { applyForge(planner, forge); }));
        planner.restore(dressed);
        const Enchantment &e = enchantEntry(QStringLiteral("N1011"))->enchantment;
        enchantTimes.push_back(microseconds([&] { enchantWornItem(planner, e); }));
    }
    std::printf("ApplyForge, 21 slots worn (median of %d): %.1f us\n", kRuns, median(forgeTimes));
    std::printf("EnchantWornItem, 21 slots worn (median of %d): %.1f us\n", kRuns, median(enchantTimes));

    // Ring 1 wears catalogue row 1 of five; every forging appends a row after the last.
    planner.restore(dressed);
    std::vector<double> run;
    int forged = 0;
    for (;;) {
        const Forge forge = spentForge(planner, Slot::Ring1);
        ForgeResult result = ForgeResult::Refused;
        run.push_back(microseconds([&] { result = applyForge(planner, forge); }));
        if (result != ForgeResult::Forged) break;
        ++forged;
    }
    double total = 0;
    for (int i = 0; i < forged; ++i) total += run[i];
    std::printf("%d forgings of ring 1 until the rings table is full: %.1f us each on average "
                "(first %.1f us, last %.1f us); the refused one: %.1f us\n",
                forged, total / std::max(1, forged), run.front(), run[std::max(0, forged - 1)], run.back());

    // The window: a plus click until every label, picture and button shows the forge.
    planner.restore(dressed);
    UndoHistory history(planner);
    MainWindow main(planner, history, messages, QStringLiteral("/nonexistent"));
    main.resize(1024, 738);
    main.show();
    ForgeWindow window(planner, main);
    window.chooseEntry(forgeEntryOf(Slot::Helmet));
    QApplication::processEvents();
    std::vector<double> syncTimes, forgeClickTimes;
    for (int i = 0; i < kRuns; ++i) {
        window.hide();
        window.chooseEntry(forgeEntryOf(Slot::Helmet));
        QWidget *plus = window.findChild<QWidget *>(QStringLiteral("PButton_Bron"));
        syncTimes.push_back(microseconds([&] {
            QTest::mouseClick(plus, Qt::LeftButton);
            window.repaint();
        }));
        const Forge forge = spentForge(planner, Slot::Helmet);
        forgeClickTimes.push_back(microseconds([&] {
            applyForge(planner, forge);
            main.syncFromPlanner();
            main.repaint();
        }));
        planner.restore(dressed);
        main.syncFromPlanner();
    }
    std::printf("Forge window brought in line and repainted after a click (median of %d): %.1f us\n", kRuns,
                median(syncTimes));
    std::printf("\"Ковать\" until the main window shows the copy, repainted (median of %d): %.1f us\n", kRuns,
                median(forgeClickTimes));
    return 0;
}
