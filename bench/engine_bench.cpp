// Timings of the planner's heaviest operations on a catalogue shaped like a real
// one: every preset set present in every category, every item column non-zero.

#include "BenchSupport.h"
#include "app/CatalogueTabs.h"
#include "app/Planner.h"
#include "app/PresetMenu.h"
#include "catalogue/ItemColumns.h"

#include <benchmark/benchmark.h>

#include <QSet>

using namespace veldora;

namespace {

int addItem(Catalogue &c, Category category, const QString &name, const QString &setName, int seed) {
    QVector<QString> cells = bench::madeUpItemCells(name, setName, seed);
    cells[col::File] = QStringLiteral("item%1.jpg").arg(seed);
    return bench::appendMadeUpItem(c, category, cells);
}

Catalogue realisticCatalogue() {
    Catalogue c;
    QSet<QString> sets, weapons;
    for (const PresetMenuLine &line : presetMenu()) {
        if (line.kind != PresetLineKind::Entry) continue;
        sets.insert(QString::fromUtf8(line.args.setName));
        if (QString::fromUtf8(line.args.weaponName) != QLatin1String(kNil))
            weapons.insert(QString::fromUtf8(line.args.weaponName));
    }
    int seed = 0;
    for (const QString &set : sets) {
        for (const CatalogueTab &tab : kCatalogueTabs)
            addItem(c, tab.category, tab.caption + QStringLiteral(" ") + set, set, ++seed);
        int row = c.sets.rowCount();
        for (int col = 1; col < kSetBonusColumnCount; ++col) c.sets.setCell(col, row, QStringLiteral("2"));
        c.sets.setCell(0, row, set);
        c.sets.setCell(kSetNeededColumn, row, QStringLiteral("5"));
        c.sets.setRowCount(row + 1);
    }
    for (const QString &w : weapons) addItem(c, Category::Weapons, w, QString(), ++seed);
    return c;
}

Planner makePlanner() { return Planner(realisticCatalogue(), QStringLiteral("/nonexistent"), QStringLiteral(",")); }

void BM_EquipAndTakeOffLoadedItem(benchmark::State &state) {
    Planner planner = makePlanner();
    for (auto _ : state) {
        planner.clickCatalogueItem(0, 1);
        planner.clickSlot(Slot::Helmet);
    }
    benchmark::DoNotOptimize(planner.state().sheet.text(Lbl::LCrit));
}
BENCHMARK(BM_EquipAndTakeOffLoadedItem)->Unit(benchmark::kMicrosecond);

void BM_TakeOffAllWith21SlotsWorn(benchmark::State &state) {
    Planner planner = makePlanner();
    for (const SlotInfo &s : kSlots) {
        const Category category = s.slot == Slot::OffHand ? Category::Shields : s.category;
        planner.equipFromCatalogue(category, QStringLiteral("x"), s.slot, 1 + s.requirementRow % 5);
    }
    const PlannerState dressed = planner.state();
    for (auto _ : state) {
        state.PauseTiming();
        planner.restore(dressed);
        state.ResumeTiming();
        planner.takeOffAll();
    }
}
BENCHMARK(BM_TakeOffAllWith21SlotsWorn)->Unit(benchmark::kMicrosecond);

void BM_EquipPreset(benchmark::State &state) {
    Planner planner = makePlanner();
    const PresetArgs a{"Кинжал Ангелов", "Ангела", 1, kNil, 0};
    const PresetArgs b{"Меч крови", "Крови", 1, kNil, 0};
    bool first = true;
    // Each iteration dresses a whole other set, so every slot is taken off and put on.
    for (auto _ : state) {
        planner.equipPreset(first ? a : b);
        first = !first;
    }
}
BENCHMARK(BM_EquipPreset)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
