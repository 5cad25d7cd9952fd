// Undo, redo and plans, printed: an undo and a redo of "Снять все предметы" on a
// full outfit in the core and until the main window shows it, saving and opening
// the plan of that outfit, and the memory that 100 undo steps of forging keep, on
// the staged sample folder.
//
//     plans_bench [sample-folder]        (offscreen: QT_QPA_PLATFORM=offscreen)
#include "BenchSupport.h"
#include "app/ActionLabels.h"
#include "app/CatalogueTabs.h"
#include "app/MainMenu.h"
#include "app/MainWindow.h"
#include "app/PlanFile.h"
#include "app/PlanOpening.h"
#include "app/Planner.h"
#include "app/Startup.h"
#include "app/UndoHistory.h"
#include "crafting/Forge.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMenuBar>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace veldora;

namespace {

using veldora::bench::median;
using veldora::bench::milliseconds;
using veldora::bench::SilentMessages;

constexpr int kRuns = 50;

long residentKilobytes() { return veldora::bench::procStatusKilobytes("VmRSS"); }

// A preset outfit, then the first item of every category on the slots it left empty.
void dress(UndoHistory &history) {
    Planner &planner = history.planner();
    planner.setRequirementCheckOn(false);
    const PresetArgs angel{"Ангельский меч", "Ангела", 1, kNil, 0};
    history.perform(presetLabel(angel), [&] { planner.equipPreset(angel); });
    for (const SlotInfo &s : kSlots) {
        if (planner.state().slot(s.slot).row != 0 || planner.state().catalogue.table(s.category).rowCount() < 2)
            continue;
        history.perform(putOnLabel(QString()), [&] {
            planner.replaceWornItem(s.slot, s.category, 1, QString(), false);
        });
    }
}

int wornSlots(const PlannerState &s) {
    int n = 0;
    for (const SlotInfo &slot : kSlots) n += s.slot(slot.slot).row != 0;
    return n;
}

void undoAndRedo(UndoHistory &history, const char *where, const std::function<void()> &show) {
    Planner &planner = history.planner();
    history.perform(takeOffAllLabel(), [&] { planner.takeOffAllItems(); });
    std::vector<double> undos, redos;
    for (int i = 0; i < kRuns; ++i) {
        undos.push_back(milliseconds([&] {
            history.undo();
            if (show) show();
        }));
        redos.push_back(milliseconds([&] {
            history.redo();
            if (show) show();
        }));
    }
    history.undo();
    std::printf("%s: undo of \"Снять все предметы\" %.3f ms, redo %.3f ms (medians of %d, %d slots worn; "
                "target < %s)\n",
                where, median(undos), median(redos), kRuns, wornSlots(planner.state()),
                show ? "16 ms shown" : "1 ms");
}

void saveAndOpen(UndoHistory &history, const QString &folder) {
    Planner &planner = history.planner();
    const QString path = folder + QStringLiteral("/Полный.json");
    const PlannerState full = planner.state();
    std::vector<double> saves, opens;
    for (int i = 0; i < kRuns; ++i) {
        saves.push_back(milliseconds([&] { savePlanFile(path, full, nullptr); }));
        history.perform(takeOffAllLabel(), [&] { planner.takeOffAllItems(); });
        opens.push_back(milliseconds([&] { openPlanFile(history, path); }));
    }
    std::printf("save the full plan %.3f ms, open it %.3f ms (medians of %d, %lld bytes, %s; target < 20 ms)\n",
                median(saves), median(opens), kRuns, QFile(path).size(),
                sameCharacterAndOutfit(planner.state(), full) ? "opened as saved" : "NOT AS SAVED");
}

// Forges the helmet `times` times, each a step when `history` is given.
void forgeHelmet(Planner &planner, UndoHistory *history, int times) {
    for (int i = 0; i < times; ++i) {
        Forge forge;
        chooseForgeEntry(planner, forge, kForgeMenu[0]);
        const auto run = [&] { applyForge(planner, forge); };
        if (history)
            history->perform(forgeLabel(QString()), run);
        else
            run();
    }
}

void forgingMemory(const Catalogue &catalogue) {
    SilentMessages messages;
    const auto helmeted = [&] {
        auto planner = std::make_unique<Planner>(catalogue, QStringLiteral("/nonexistent"), QStringLiteral(","), &messages);
        planner->replaceWornItem(Slot::Helmet, Category::Helmets, 1, QString(), false);
        return planner;
    };
    const int room = CategoryTable::kMaxItemRows - catalogue.table(Category::Helmets).rowCount();
    const int times = std::min(100, room);

    auto plain = helmeted();
    const long plainBefore = residentKilobytes();
    forgeHelmet(*plain, nullptr, times);
    const long plainGrowth = residentKilobytes() - plainBefore;

    auto planner = helmeted();
    UndoHistory history(*planner);
    const long before = residentKilobytes();
    forgeHelmet(*planner, &history, times);
    const long growth = residentKilobytes() - before;
    std::printf("%d forgings of the helmet: %.1f MB more memory with their %d undo steps, %.1f MB without "
                "(target < 20 MB for the steps)\n",
                times, growth / 1024.0, history.undoCount(), plainGrowth / 1024.0);
}

}  // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QString sample = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
#ifdef VELDORA_SAMPLE_FOLDER
    if (sample.isEmpty()) sample = QStringLiteral(VELDORA_SAMPLE_FOLDER);
#endif
    if (sample.isEmpty() || !QDir(sample).exists()) {
        std::printf("no sample folder\n");
        return 1;
    }
    SilentMessages messages;
    auto program = startProgram(sample, messages, kStartAtOnce);
    if (!program->mainWindow) {
        std::printf("start-up failed: %s\n", qPrintable(program->error));
        return 1;
    }
    const Catalogue catalogue = program->planner->state().catalogue;

    // The core alone: a planner and its history without a window.
    Planner core(catalogue, sample, QStringLiteral(","), &messages);
    UndoHistory coreHistory(core);
    dress(coreHistory);
    undoAndRedo(coreHistory, "core", {});
    QTemporaryDir dir;
    saveAndOpen(coreHistory, dir.path());

    MainWindow *main = program->mainWindow.get();
    dress(*program->undoHistory);
    QApplication::processEvents();
    undoAndRedo(*program->undoHistory, "shown (main window brought in line and repainted)", [main] { main->repaint(); });

    forgingMemory(catalogue);
    return 0;
}
