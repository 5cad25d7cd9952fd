#include "GuiTestSupport.h"

#include "views/BrowserWindow.h"
#include "views/InfoPanel.h"
#include "support/QStringPrinter.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace veldora {
namespace {

void addItem(CategoryTable &t, int row, const QString &name, const QString &file, const QString &set = {}) {
    for (int c = 1; c < kItemColumnCount; ++c) t.setCell(c, row, QStringLiteral("0"));
    t.setCell(col::Name, row, name);
    t.setCell(col::Price, row, QStringLiteral("м10"));
    t.setCell(col::File, row, file);
    t.setCell(col::SetName, row, set.isEmpty() ? QStringLiteral("NoFull") : set);
    if (t.rowCount() <= row) t.setRowCount(row + 1);
}

QImage filled(int w, int h, QColor c) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(c);
    return image;
}

// A folder with a few pictures: a large one, a small one, the fallback.
struct PictureFolder {
    QTemporaryDir dir;
    QString img() const { return dir.path() + QStringLiteral("/img/"); }
    PictureFolder() {
        QDir().mkpath(img());
        filled(120, 60, Qt::red).save(img() + QStringLiteral("wide.png"));
        filled(20, 20, Qt::blue).save(img() + QStringLiteral("small.bmp"));
        filled(60, 60, Qt::green).save(img() + QStringLiteral("no_image.bmp"));
    }
};

const QVector<BrowserTabLayout> kTabs{
    {QStringLiteral("Шлемы"), Category::Helmets, 60, 60, 11, 60, 60},
    {QStringLiteral("Кольца"), Category::Rings, 20, 20, 30, 20, 20},
};

TEST(PictureLoader, FitsLargePicturesKeepsSmallOnesAndFallsBackToNoImage) {
    PictureFolder folder;
    PictureLoader loader(folder.dir.path());
    const QImage wide = loader.fitted(QStringLiteral("wide.png"), 60, 60).toImage();
    ASSERT_EQ(wide.size(), QSize(60, 60));
    // 120 x 60 scaled down to 60 x 30, centred vertically.
    EXPECT_EQ(wide.pixelColor(30, 30), QColor(Qt::red));
    EXPECT_EQ(wide.pixelColor(30, 10).alpha(), 0);
    EXPECT_EQ(wide.pixelColor(30, 50).alpha(), 0);
    const QImage small = loader.fitted(QStringLiteral("small.bmp"), 60, 60).toImage();
    EXPECT_EQ(small.pixelColor(30, 30), QColor(Qt::blue));
    EXPECT_EQ(small.pixelColor(19, 19).alpha(), 0);  // 20 x 20 keeps its size, centred at 20..39
    EXPECT_EQ(small.pixelColor(20, 20), QColor(Qt::blue));
    // A missing file, an empty cell and a backslash path all go through the rules.
    EXPECT_EQ(loader.fitted(QStringLiteral("missing.jpg"), 60, 60).toImage().pixelColor(5, 5), QColor(Qt::green));
    EXPECT_EQ(loader.fitted(QString(), 60, 60).toImage().pixelColor(5, 5), QColor(Qt::green));
    QDir().mkpath(folder.img() + QStringLiteral("sub"));
    filled(10, 10, Qt::yellow).save(folder.img() + QStringLiteral("sub/pic.png"));
    EXPECT_EQ(loader.load(QStringLiteral("sub\\pic.png")).toImage().pixelColor(1, 1), QColor(Qt::yellow));
    // A file that exists but is no picture shows the fallback too.
    QFile broken(folder.img() + QStringLiteral("broken.jpg"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a picture");
    broken.close();
    EXPECT_EQ(loader.load(QStringLiteral("broken.jpg")).toImage().pixelColor(1, 1), QColor(Qt::green));
    // Found where a worn slot finds it: below the program folder itself, as custom items keep theirs.
    QDir().mkpath(folder.dir.path() + QStringLiteral("/DataObject/img"));
    filled(10, 10, Qt::magenta).save(folder.dir.path() + QStringLiteral("/DataObject/img/own.png"));
    EXPECT_EQ(loader.load(QStringLiteral("DataObject\\img\\own.png")).toImage().pixelColor(1, 1), QColor(Qt::magenta));

    // Without the fallback file the picture stays empty.
    QTemporaryDir bare;
    PictureLoader noFallback(bare.path());
    EXPECT_TRUE(noFallback.load(QStringLiteral("missing.jpg")).isNull());
    const QImage empty = noFallback.fitted(QStringLiteral("missing.jpg"), 20, 20).toImage();
    EXPECT_EQ(empty.size(), QSize(20, 20));
    EXPECT_EQ(empty.pixelColor(10, 10).alpha(), 0);
}

TEST(BrowserWindow, LaysPicturesOutInRowsAndAnswersThePointer) {
    PictureFolder folder;
    Catalogue catalogue;
    CategoryTable &helmets = catalogue.table(Category::Helmets);
    for (int r = 1; r <= 12; ++r)
        addItem(helmets, r, QStringLiteral("Шлем %1").arg(r), r == 3 ? QStringLiteral("wide.png") : QString(),
                r == 2 ? QStringLiteral("Ангела") : QString());
    // Rows appended by forging lie beyond the catalogue and get no picture.
    addItem(helmets, 13, QStringLiteral("Шлем 1 (кованый)"), QString());
    helmets.setRowCount(13);

    BrowserWindow browser(kTabs, catalogue, folder.dir.path(), nullptr);
    EXPECT_EQ(browser.objectName(), QStringLiteral("TTP"));
    EXPECT_EQ(browser.windowTitle(), QStringLiteral("База предметов"));
    ASSERT_EQ(browser.tabCount(), 2);
    EXPECT_EQ(test::named<QTabWidget>(&browser, QStringLiteral("GlobalPageControl"))->tabText(1),
              QStringLiteral("Кольца"));
    test::named<QWidget>(&browser, QStringLiteral("TabSheet2"));
    test::named<QScrollArea>(&browser, QStringLiteral("ScrollBox1"));

    CatalogueGrid *grid = browser.grid(0);
    ASSERT_EQ(grid->pictureCount(), 12);
    EXPECT_EQ(grid->pictureRect(1), QRect(0, 0, 60, 60));
    EXPECT_EQ(grid->pictureRect(11), QRect(600, 0, 60, 60));
    EXPECT_EQ(grid->pictureRect(12), QRect(0, 60, 60, 60));  // the twelfth starts the second row
    EXPECT_EQ(grid->scrollRange(), 120);
    EXPECT_EQ(grid->setName(2), QStringLiteral("Ангела"));
    EXPECT_EQ(grid->rowAt(QPoint(65, 5)), 2);
    EXPECT_EQ(grid->rowAt(QPoint(65, 65)), 0);  // free area after the last picture
    // An empty category still has one row step of scroll range.
    EXPECT_EQ(browser.grid(1)->pictureCount(), 0);
    EXPECT_EQ(browser.grid(1)->scrollRange(), 20);

    browser.openOnTab(0);
    test::processEvents();
    EXPECT_TRUE(browser.isVisible());
    EXPECT_EQ(browser.height(), BrowserWindow::kFullHeight);
    EXPECT_GE(browser.x(), 250);
    EXPECT_EQ(browser.pageControl()->currentIndex(), 0);

    QSignalSpy clicks(&browser, &BrowserWindow::pictureClicked);
    InfoPanel *info = browser.infoPanel();
    test::hover(grid, grid->pictureRect(2).center());
    ASSERT_TRUE(info->isVisible());
    EXPECT_EQ(info->nameLabel()->text(), QStringLiteral("Шлем 2"));
    // Picture at left 60, top 0: the panel goes right of it and 46 below its top.
    EXPECT_EQ(info->pos(), QPoint(60 + 60 + 43, 46));
    // A picture in the right half puts the panel to its left.
    test::hover(grid, grid->pictureRect(8).center());
    EXPECT_EQ(info->x(), 420 - InfoPanel::kWidth + 14);
    test::hover(grid, QPoint(300, 100));
    EXPECT_FALSE(info->isVisible());

    QTest::mouseClick(grid, Qt::LeftButton, {}, grid->pictureRect(12).center());
    ASSERT_EQ(clicks.size(), 1);
    EXPECT_EQ(clicks[0][0].toInt(), 0);
    EXPECT_EQ(clicks[0][1].toInt(), 12);
    QTest::mouseClick(grid, Qt::LeftButton, {}, QPoint(300, 100));
    EXPECT_EQ(clicks.size(), 1);

    QSignalSpy closed(&browser, &BrowserWindow::closed);
    QTest::mouseClick(test::named<QLabel>(&browser, QStringLiteral("Imageclose")), Qt::LeftButton);
    test::processEvents();
    EXPECT_FALSE(browser.isVisible());
    EXPECT_EQ(closed.size(), 1);
}

TEST(BrowserWindow, AfterTheWheelScrollsATabThePanelDescribesTheItemUnderThePointer) {
    PictureFolder folder;
    Catalogue catalogue;
    CategoryTable &helmets = catalogue.table(Category::Helmets);
    for (int r = 1; r <= 250; ++r) addItem(helmets, r, QStringLiteral("Шлем %1").arg(r), QString());
    BrowserWindow browser(kTabs, catalogue, folder.dir.path(), nullptr);
    browser.openOnTab(0);
    test::processEvents();
    CatalogueGrid *grid = browser.grid(0);
    QScrollBar *bar = browser.scrollBox(0)->verticalScrollBar();
    InfoPanel *info = browser.infoPanel();
    QSignalSpy clicks(&browser, &BrowserWindow::pictureClicked);
    // The pointer stays where it was put while the wheel turns.
    QPoint pointer;
    auto rest = [&](QPoint onGrid) {
        test::hover(grid, onGrid);
        pointer = grid->mapToGlobal(onGrid);
    };
    auto under = [&] { return grid->mapFromGlobal(pointer); };
    QWidget *viewport = browser.scrollBox(0)->viewport();
    auto turnWheel = [&](int notches) {
        QWheelEvent e(viewport->mapFromGlobal(QPointF(pointer)), QPointF(pointer), QPoint(), QPoint(0, -120 * notches),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(viewport, &e);
        test::processEvents();
    };

    // The pointer rests on the first picture of the first row; one notch moves
    // the tab three rows, so the pointer now rests on the first of the fourth.
    rest(grid->pictureRect(1).center());
    ASSERT_EQ(info->nameLabel()->text(), QStringLiteral("Шлем 1"));
    turnWheel(1);
    ASSERT_EQ(bar->value(), 3 * 60);
    EXPECT_TRUE(info->isVisible());
    EXPECT_EQ(info->nameLabel()->text(), QStringLiteral("Шлем 34"));
    const QRect shown = grid->pictureRect(34).translated(grid->pos());
    EXPECT_EQ(info->pos(), QPoint(shown.left() + 60 + 43, shown.top() + 46));
    // The click puts on what the panel shows.
    QTest::mouseClick(grid, Qt::LeftButton, {}, under());
    ASSERT_EQ(clicks.size(), 1);
    EXPECT_EQ(clicks[0][1].toInt(), 34);

    // Low in the last column, scrolled to the end, the pointer rests on the free
    // area after the last picture.
    bar->setValue(0);
    rest(grid->pictureRect(8 * 11 + 11).center());
    ASSERT_EQ(info->nameLabel()->text(), QStringLiteral("Шлем 99"));
    for (int i = 0; i < 10; ++i) turnWheel(1);
    ASSERT_EQ(bar->value(), bar->maximum());
    EXPECT_FALSE(info->isVisible());
    // And back up: a picture again.
    turnWheel(-1);
    EXPECT_TRUE(info->isVisible());
    EXPECT_EQ(QStringLiteral("Шлем %1").arg(grid->rowAt(under())), info->nameLabel()->text());
}

}  // namespace
}  // namespace veldora
