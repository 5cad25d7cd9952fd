#include "GuiTestSupport.h"

#include "app/MainWindow.h"
#include "FixtureCatalogue.h"
#include "app/SplashWindow.h"
#include "views/BrowserWindow.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTimer>
#include <gtest/gtest.h>

namespace veldora {
namespace {

TEST(Startup, ADatabaseThatCannotBeReadStopsTheStartWithOneMessageAndNoWindow) {
    QTemporaryDir dir;
    test::RecordingMessages messages;
    // No database at all, then a file that is no database.
    for (int attempt = 0; attempt < 2; ++attempt) {
        messages.messages.clear();
        if (attempt == 1) {
            QDir().mkpath(dir.path() + QStringLiteral("/base"));
            QFile f(dir.path() + QStringLiteral("/base/main.mdb"));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(QByteArray(4096, 'x'));
        }
        auto started = startProgram(dir.path(), messages);
        EXPECT_FALSE(started->error.isEmpty());
        EXPECT_EQ(messages.messages, QStringList{started->error});
        EXPECT_FALSE(started->mainWindow);
        EXPECT_FALSE(started->splash);
        EXPECT_EQ(started->browser, nullptr);
    }
}

TEST(Startup, TheProgramEndsWithAFailureStatusWhenTheDatabaseIsMissing) {
    QTemporaryDir dir;
    test::RecordingMessages messages;
    EXPECT_NE(runProgram(dir.path(), messages), 0);  // returns at once: no message loop runs
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_TRUE(messages.messages[0].contains(dir.path() + QStringLiteral("/base/main.mdb")));
    for (QWidget *w : QApplication::topLevelWidgets()) EXPECT_FALSE(w->isVisible()) << w->objectName().toStdString();
}

TEST(Startup, CategoriesCutToWhatATableHoldsAreReportedOnceAndTheProgramStarts) {
    QTemporaryDir dir;
    veldora::testing::FixtureCatalogue f;
    for (int i = 0; i < CategoryTable::kMaxItemRows + 2; ++i) f.addItem(Category::Helmets, QStringLiteral("Шлем %1").arg(i), 1);
    f.addItem(Category::Rings, QStringLiteral("Кольцо"), 1);
    ASSERT_EQ(f.write(dir.path()), QString());
    test::RecordingMessages messages;
    auto started = startProgram(dir.path(), messages, kStartAtOnce);
    ASSERT_TRUE(started->mainWindow) << started->error.toStdString();
    ASSERT_EQ(started->warnings.size(), 1);
    EXPECT_EQ(messages.messages, started->warnings);
    // The browser shows what the table kept; items without a picture file and
    // without no_image.bmp show an empty picture.
    EXPECT_EQ(started->browser->grid(0)->pictureCount(), CategoryTable::kMaxItemRows);
    EXPECT_TRUE(started->browser->grid(11)->picture(1).toImage().pixelColor(5, 5).alpha() == 0);
}

TEST(Startup, TheProgramStartsWithTheSplashWhichHandsOverToTheMainWindow) {
    QTemporaryDir dir;
    const QString folder = dir.path() + QStringLiteral("/program");
    if (test::sampleFolder().isEmpty() || !test::copyFolder(test::sampleFolder(), folder))
        GTEST_SKIP() << "the build has no sample program folder";
    test::RecordingMessages messages;
    auto started = startProgram(folder, messages);
    ASSERT_TRUE(started->mainWindow);
    ASSERT_TRUE(started->splash);
    EXPECT_TRUE(messages.messages.isEmpty()) << messages.messages.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(started->splash->isVisible());
    EXPECT_FALSE(started->mainWindow->isVisible());
    // 500 count ticks and 127 fade ticks of at least a millisecond each.
    for (int i = 0; i < 200 && !started->mainWindow->isVisible(); ++i) test::processEvents(50);
    EXPECT_TRUE(started->mainWindow->isVisible());
    EXPECT_FALSE(started->splash->isVisible());
}

TEST(Startup, ClosingTheSplashEndsTheProgramAndTheMainWindowNeverAppears) {
    QTemporaryDir dir;
    const QString folder = dir.path() + QStringLiteral("/program");
    if (test::sampleFolder().isEmpty() || !test::copyFolder(test::sampleFolder(), folder))
        GTEST_SKIP() << "the build has no sample program folder";
    test::RecordingMessages messages;
    bool closed = false, mainShown = false;
    // Alt+F4 on the splash while it counts up: the window manager closes it.
    QTimer::singleShot(150, qApp, [&] {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (w->objectName() == QStringLiteral("TFormLoad") && w->isVisible()) closed = w->close();
        }
    });
    // Watch for the main window for longer than the splash lasts.
    QTimer watch;
    watch.setInterval(20);
    QObject::connect(&watch, &QTimer::timeout, qApp, [&] {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->objectName() == QStringLiteral("TForm1") && w->isVisible()) mainShown = true;
    });
    watch.start();
    QTimer::singleShot(6000, qApp, [] { QCoreApplication::exit(99); });  // the program failed to end
    EXPECT_EQ(runProgram(folder, messages), 0);
    EXPECT_TRUE(closed);
    EXPECT_FALSE(mainShown);
}

}  // namespace
}  // namespace veldora
