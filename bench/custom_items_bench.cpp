// Timings of the custom items, printed: listing DataObject/ and reading every
// item file when it holds the most the list shows (254), and one put-on from the
// item card until the main window shows it, on the staged sample folder.
//
//     custom_items_bench [sample-folder]        (offscreen: QT_QPA_PLATFORM=offscreen)
#include "BenchSupport.h"
#include "app/MainWindow.h"
#include "app/Planner.h"
#include "app/Startup.h"
#include "customitems/CustomItemForm.h"
#include "customitems/ItemCardWindow.h"
#include "customitems/ItemListWindow.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace veldora;

namespace {

using veldora::bench::median;
using veldora::bench::SilentMessages;

void listAndRead() {
    QTemporaryDir dir;
    const CustomItemStore store(dir.path());
    CustomItemRecord record;
    CustomItemForm::defaults().writeInto(record, FormWindow::Creation);
    for (int i = 0; i < kMaxListedItems; ++i) {
        record.setText(field::Name, QStringLiteral("Предмет %1").arg(i));
        if (!store.write(QStringLiteral("Предмет %1.Кольца").arg(i), record).isEmpty()) {
            std::printf("cannot write the item files\n");
            return;
        }
    }
    std::vector<double> runs;
    int read = 0;
    for (int run = 0; run < 20; ++run) {
        QElapsedTimer t;
        t.start();
        read = 0;
        for (const CustomItemEntry &e : store.list().entries)
            read += std::holds_alternative<CustomItemRecord>(store.read(e.fileName));
        runs.push_back(t.nsecsElapsed() / 1e6);
    }
    std::printf("list DataObject/ and read its %d item files (median of 20): %.2f ms (target < 50 ms)\n", read,
                median(runs));
}

void putOnFromCard(const QString &folder) {
    SilentMessages messages;
    auto program = startProgram(folder, messages, kStartAtOnce);
    if (!program->mainWindow) {
        std::printf("start-up failed: %s\n", qPrintable(program->error));
        return;
    }
    MainWindow *main = program->mainWindow.get();
    auto *list = main->findChild<ItemListWindow *>(QStringLiteral("TForm_My_Object"));
    auto *card = main->findChild<ItemCardWindow *>(QStringLiteral("TForm20"));
    list->refresh();
    const auto &entries = list->listing().entries;
    const auto helmet = std::find_if(entries.begin(), entries.end(),
                                     [](const CustomItemEntry &e) { return e.type == QStringLiteral("Шлемы"); });
    if (helmet == entries.end() || !card->openFor(*helmet)) {
        std::printf("the sample folder has no custom helmet\n");
        return;
    }
    // Each put-on appends a row to the helmets table, which holds 255 rows.
    const int room = CategoryTable::kMaxItemRows - program->planner->state().catalogue.table(Category::Helmets).rowCount();
    std::vector<double> runs;
    double worst = 0;
    for (int i = 0; i < std::min(100, room - 1); ++i) {
        card->show();
        QElapsedTimer t;
        t.start();
        card->putOn();
        const double ms = t.nsecsElapsed() / 1e6;
        runs.push_back(ms);
        worst = std::max(worst, ms);
    }
    const int worn = program->planner->state().slot(Slot::Helmet).row;
    const bool shown = main->slotPicture(Slot::Helmet)->pixmap().cacheKey() != 0 &&
                       main->sheetLabel(Lbl::LBronGolova)->text() != QStringLiteral("0");
    std::printf("put-on from the card until the main window shows it: median %.3f ms, worst %.3f ms (%zu put-ons, "
                "last worn row %d, %s; target < 16 ms)\n",
                median(runs), worst, runs.size(), worn, shown ? "shown" : "NOT SHOWN");
}

}  // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    listAndRead();
    QString sample = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
#ifdef VELDORA_SAMPLE_FOLDER
    if (sample.isEmpty()) sample = QStringLiteral(VELDORA_SAMPLE_FOLDER);
#endif
    if (!sample.isEmpty() && QDir(sample).exists()) putOnFromCard(sample);
    return 0;
}
