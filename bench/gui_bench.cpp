// Timings of the windows, printed: start-up to a built main window (measured from
// the start of a fresh process), building the browser's pictures, and one click
// on a browser picture until the main window shows the change. Run on the staged
// sample folder and on a maximal catalogue (13 x 255 items, each with its own
// picture) built here with our Jet writer.
//
//     gui_bench [sample-folder]        (offscreen: QT_QPA_PLATFORM=offscreen)
#include "BenchSupport.h"
#include "FixtureCatalogue.h"
#include "app/CatalogueTabs.h"
#include "app/ChoiceAdvisor.h"
#include "app/MainWindow.h"
#include "app/Planner.h"
#include "app/Startup.h"
#include "views/BrowserWindow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace veldora;

namespace {

using veldora::bench::median;
using veldora::bench::SilentMessages;

// Every item with its own picture and a value in many columns, so that equipping
// touches as much as it ever does.
QString buildMaximalFolder(const QString &folder) {
    testing::FixtureCatalogue f;
    QDir().mkpath(folder + QStringLiteral("/img"));
    int picture = 0;
    for (const CatalogueTab &tab : kCatalogueTabs) {
        for (int i = 0; i < 255; ++i) {
            const QString file = QStringLiteral("item%1.%2").arg(picture).arg(picture % 2 ? "jpg" : "bmp");
            QImage image(tab.pictureWidth, tab.pictureHeight, QImage::Format_RGB32);
            QPainter p(&image);
            p.fillRect(image.rect(), QColor::fromHsv((picture * 37) % 360, 160, 200));
            p.setBrush(QColor::fromHsv((picture * 53) % 360, 220, 120));
            p.drawEllipse(image.rect().adjusted(3, 3, -3, -3));
            p.end();
            if (!image.save(folder + QStringLiteral("/img/") + file)) return QStringLiteral("cannot write pictures");
            testing::FixtureValues values{{col::File, file},
                                          {col::SetName, QStringLiteral("Набор %1").arg(i % 20)},
                                          {col::Price, i % 2 ? QStringLiteral("м12,5") : QStringLiteral("з3")},
                                          {col::Mass, QStringLiteral("1,5")}};
            for (int c = 6; c <= 50; ++c) values[c] = QString::number(1 + (i + c) % 9);
            for (int c = 63; c <= 81; ++c) values[c] = QString::number((i + c) % 3);
            f.addItem(tab.category, QStringLiteral("Предмет %1").arg(picture), 1 + i % 30, values);
            ++picture;
        }
    }
    for (int s = 0; s < 20; ++s) f.addSet(QStringLiteral("Набор %1").arg(s), 3, {{1, QStringLiteral("5")}});
    QFile ini(folder + QStringLiteral("/ini.ini"));
    if (!ini.open(QIODevice::WriteOnly) || ini.write(QByteArray("\x00\x00", 2)) != 2) return QStringLiteral("ini");
    ini.close();
    return f.write(folder);
}

// The child: starts the program as the player would, without the splash's fixed
// animation, and says when the main window is built and shown.
int runChild(const QString &folder, int argc, char **argv) {
    QApplication app(argc, argv);
    SilentMessages messages;
    QDir::setCurrent(folder);
    auto program = startProgram(QDir::currentPath(), messages, kStartAtOnce);
    if (!program->mainWindow) return 1;
    QApplication::processEvents();
    std::printf("built\n");
    std::fflush(stdout);
    return 0;
}

double processStartToMainWindow(const QString &self, const QString &folder) {
    std::vector<double> runs;
    for (int i = 0; i < 5; ++i) {
        QProcess child;
        QElapsedTimer t;
        t.start();
        child.start(self, {QStringLiteral("--child"), folder});
        if (!child.waitForReadyRead(60000)) return -1;
        runs.push_back(t.nsecsElapsed() / 1e6);
        child.waitForFinished(60000);
    }
    return median(runs);
}

// The aids to choosing: the panel of a picture with what wearing it would change,
// the first time after the outfit changed and again, and the search re-laying out
// every tab for one more letter.
void measureChoosing(StartedProgram &program) {
    BrowserWindow *browser = program.browser;
    Planner &planner = *program.planner;
    planner.setRequirementCheckOn(true);  // most items refused: two tries each
    for (int tab = 0; tab < 11; ++tab) emit browser->pictureClicked(tab, 1);
    browser->openOnTab(0);
    QApplication::processEvents();
    QElapsedTimer t;
    const auto hoverAll = [&](int rows) {
        std::vector<double> times;
        for (int tab : {0, 8, 11})
            for (int row = 1; row <= std::min(rows, browser->grid(tab)->pictureCount()); ++row) {
                t.restart();
                browser->showCatalogueItemInfo(tab, row);
                times.push_back(t.nsecsElapsed() / 1e6);
            }
        return times;
    };
    const auto report = [](const char *what, const std::vector<double> &first, const std::vector<double> &kept) {
        std::printf("%s: first median %.3f ms, worst %.3f ms; again median %.3f ms, worst %.3f ms (%zu pictures)\n",
                    what, median(first), *std::max_element(first.begin(), first.end()), median(kept),
                    *std::max_element(kept.begin(), kept.end()), first.size());
    };
    QAction *showChanges = program.mainWindow->menuEntry("MenuShowChanges");
    showChanges->setChecked(false);
    const std::vector<double> plainFirst = hoverAll(60);
    report("hover to the panel without the change block", plainFirst, hoverAll(60));
    showChanges->setChecked(true);
    const std::vector<double> first = hoverAll(60);
    report("hover to the panel with what wearing it changes", first, hoverAll(60));
    // The same choices worked out in the core alone, after the outfit changed.
    emit browser->pictureClicked(0, 2);
    ChoiceAdvisor advisor(planner);
    std::vector<double> tried, keptChoices;
    for (int pass = 0; pass < 2; ++pass)
        for (int tab : {0, 8, 11})
            for (int row = 1; row <= std::min(60, browser->grid(tab)->pictureCount()); ++row) {
                t.restart();
                advisor.catalogueItem(tab, row);
                (pass ? keptChoices : tried).push_back(t.nsecsElapsed() / 1e6);
            }
    report("what wearing it changes, in the core", tried, keptChoices);

    auto *field = browser->findChild<QLineEdit *>(QStringLiteral("EditSearch"));
    auto *box = browser->findChild<QCheckBox *>(QStringLiteral("CheckOnlyWearable"));
    const auto typeName = [&] {
        std::vector<double> keys;
        const QString name = QStringLiteral("предмет 12");
        for (int i = 1; i <= name.size(); ++i) {
            t.restart();
            field->setText(name.left(i));
            QApplication::processEvents();
            keys.push_back(t.nsecsElapsed() / 1e6);
        }
        t.restart();
        field->clear();
        QApplication::processEvents();
        keys.push_back(t.nsecsElapsed() / 1e6);
        return keys;
    };
    const std::vector<double> keys = typeName();
    std::printf("one letter typed until every tab is laid out again: median %.2f ms, worst %.2f ms (%zu keys)\n",
                median(keys), *std::max_element(keys.begin(), keys.end()), keys.size());
    t.restart();
    box->setChecked(true);
    QApplication::processEvents();
    const double tick = t.nsecsElapsed() / 1e6;
    const std::vector<double> wearableKeys = typeName();
    std::printf("\"Только подходящие\" ticked, every item tried: %.1f ms; then one letter: median %.2f ms, worst %.2f ms\n",
                tick, median(wearableKeys), *std::max_element(wearableKeys.begin(), wearableKeys.end()));
    box->setChecked(false);
    browser->close();
}

void measureFolder(const QString &label, const QString &self, const QString &folder) {
    std::printf("\n== %s: %s\n", qPrintable(label), qPrintable(folder));
    std::printf("process start to main window built (median of 5): %.1f ms\n",
                processStartToMainWindow(self, folder));

    SilentMessages messages;
    QElapsedTimer t;
    t.start();
    auto program = startProgram(folder, messages, kStartAtOnce);
    const double inProcess = t.nsecsElapsed() / 1e6;
    if (!program->mainWindow) {
        std::printf("start-up failed: %s\n", qPrintable(program->error));
        return;
    }
    std::printf("start-up inside a running process (load, planner, windows): %.1f ms\n", inProcess);
    int pictures = 0;
    for (int tab = 0; tab < program->browser->tabCount(); ++tab) pictures += program->browser->grid(tab)->pictureCount();

    QVector<BrowserTabLayout> tabs;
    for (const CatalogueTab &tab : kCatalogueTabs)
        tabs.append({QString::fromUtf8(tab.caption), tab.category, tab.pictureWidth, tab.pictureHeight, tab.perRow,
                     tab.columnStep, tab.rowStep});
    std::vector<double> builds;
    for (int i = 0; i < 5; ++i) {
        t.restart();
        BrowserWindow browser(tabs, program->planner->state().catalogue, folder, nullptr);
        builds.push_back(t.nsecsElapsed() / 1e6);
    }
    std::printf("browser built with %d pictures (median of 5): %.1f ms\n", pictures, median(builds));

    // Clicks on helmets one after another: each replaces the worn helmet, so each
    // is a take-off, an equip and a full update of the window.
    program->planner->setRequirementCheckOn(false);
    BrowserWindow *browser = program->browser;
    const int helmets = browser->grid(0)->pictureCount();
    std::vector<double> clicks;
    double worst = 0;
    for (int i = 0; i < 200 && helmets > 0; ++i) {
        const int row = 1 + i % helmets;
        t.restart();
        emit browser->pictureClicked(0, row);
        const double ms = t.nsecsElapsed() / 1e6;
        clicks.push_back(ms);
        worst = std::max(worst, ms);
    }
    std::printf("click on a browser picture until the main window shows it: median %.3f ms, worst %.3f ms (%zu clicks)\n",
                median(clicks), worst, clicks.size());
    measureChoosing(*program);
}

}  // namespace

// The off-screen platform says for every panel that it has no window masks.
void quietPlatform(QtMsgType type, const QMessageLogContext &, const QString &text) {
    if (text.startsWith(QStringLiteral("This plugin does not support"))) return;
    if (type != QtDebugMsg) std::fprintf(stderr, "%s\n", qPrintable(text));
}

int main(int argc, char **argv) {
    qInstallMessageHandler(quietPlatform);
    if (argc == 3 && QByteArray(argv[1]) == "--child") return runChild(QString::fromLocal8Bit(argv[2]), argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString self = QCoreApplication::applicationFilePath();
    QString sample = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
#ifdef VELDORA_SAMPLE_FOLDER
    if (sample.isEmpty()) sample = QStringLiteral(VELDORA_SAMPLE_FOLDER);
#endif
    if (!sample.isEmpty() && QDir(sample).exists()) measureFolder(QStringLiteral("sample folder"), self, sample);

    QTemporaryDir dir;
    const QString maximal = dir.path() + QStringLiteral("/program");
    QElapsedTimer t;
    t.start();
    const QString error = buildMaximalFolder(maximal);
    if (!error.isEmpty()) {
        std::printf("cannot build the maximal catalogue: %s\n", qPrintable(error));
        return 1;
    }
    std::printf("\n(maximal catalogue written in %.0f ms)\n", t.nsecsElapsed() / 1e6);
    measureFolder(QStringLiteral("maximal catalogue, 13 x 255 items with pictures"), self, maximal);
    return 0;
}
