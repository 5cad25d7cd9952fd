#include "GuiTestSupport.h"

#include "FixtureCatalogue.h"
#include "app/InformationWindow.h"
#include "app/MainMenu.h"
#include "app/MainWindow.h"
#include "app/Planner.h"
#include "catalogue/ProgramFiles.h"
#include "pages/HistoryWindow.h"
#include "pages/HoverLabel.h"
#include "pages/PageTable.h"
#include "pages/PageWindow.h"
#include "pages/TutorialWindow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QTest>
#include <QTextDocument>
#include <QTimer>
#include <gtest/gtest.h>

namespace veldora {
namespace {

using test::named;

QByteArray fileBytes(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("missing");
}

// The sample folder with `ini` as its settings file, started as the program does
// once the splash has gone.
std::unique_ptr<test::TestProgram> startWithSettings(const QByteArray &ini) {
    return test::startOnSampleCopy(false, [&ini](const QString &folder) {
        QFile f(folder + QStringLiteral("/ini.ini"));
        return f.open(QIODevice::WriteOnly) && f.write(ini) == ini.size();
    });
}

struct RecordedOpener {
    QList<QUrl> opened;
    bool result = true;
    ExternalOpener opener() {
        return [this](const QUrl &url) {
            opened << url;
            return result;
        };
    }
};

QColor textColour(const QWidget *w) { return w->palette().color(QPalette::Active, QPalette::WindowText); }

// ---------------------------------------------------------------- page window

TEST(PageWindow, EveryPageEntryOfTheMenuShowsItsPageWhileTheMainWindowHides) {
    START_ON_SAMPLE(t);
    MainWindow *main = t->program->mainWindow.get();
    PageWindow *window = t->program->pageWindow.get();
    PageView *view = named<PageView>(window, QStringLiteral("WebBrowser1"));

    for (const PageEntry &entry : pageEntries()) {
        SCOPED_TRACE(entry.objectName.toStdString());
        QAction *action = named<QAction>(main, entry.objectName);
        ASSERT_TRUE(action && action->isEnabled());
        EXPECT_EQ(findMenuEntry(main->menuBar(), QStringList{QStringLiteral("Полезная информация")} + entry.menuPath),
                  action);
        action->trigger();
        test::processEvents();
        EXPECT_TRUE(window->isVisible());
        EXPECT_FALSE(main->isVisible());
        EXPECT_EQ(view->shownFile(), t->folder + entry.page);
        EXPECT_EQ(view->problem(), QString());
        // Pictures resolve against the page's folder.
        EXPECT_FALSE(view->loadResource(QTextDocument::ImageResource, QUrl(QStringLiteral("../img/chary.png"))).isNull());
        window->close();
        test::processEvents();
        EXPECT_TRUE(main->isVisible());
    }

    // The caption and the file differ here.
    named<QAction>(main, QStringLiteral("N335"))->trigger();
    test::processEvents();
    EXPECT_TRUE(view->toPlainText().contains(QStringLiteral("Физическая материя")));
    // Switching back to the page window from another hides the main window again.
    main->show();
    t->program->history->show();
    t->program->history->activateWindow();
    test::processEvents();
    window->activateWindow();
    test::processEvents();
    EXPECT_FALSE(main->isVisible());
    EXPECT_TRUE(window->fading() || window->fadeOpacity() == 255);
    window->close();
    test::processEvents();
    EXPECT_TRUE(main->isVisible());

    // "Отчёты..." (F3): the sample's reports, the newest (highest ID) first.
    HistoryWindow *history = t->program->history.get();
    const QVector<Report> &all = t->program->planner->state().catalogue.reports;
    EXPECT_EQ(all.front().id, QStringLiteral("14"));
    history->close();
    main->activateWindow();
    test::processEvents();
    QTest::keyClick(main, Qt::Key_F3);
    test::processEvents();
    EXPECT_TRUE(history->isVisible());
    EXPECT_EQ(history->pageLabels().size(), 3);
    EXPECT_EQ(named<QLabel>(history, QStringLiteral("LabelArticle1"))->text(), all.front().text);
    history->close();
}

TEST(PageWindow, LinksStayInTheViewWebLinksLeaveItAndAMissingPageSaysSo) {
    START_ON_SAMPLE(t);
    MainWindow *main = t->program->mainWindow.get();
    PageView *view = t->program->pageWindow->view();
    RecordedOpener browser;
    view->setExternalOpener(browser.opener());

    // A link written in another letter case than the folder on disk, as the
    // Windows version's pages may hold.
    named<QAction>(main, QStringLiteral("N16"))->trigger();
    test::processEvents();
    emit view->anchorClicked(QUrl(QStringLiteral("../ЧАРЫ/огонь.html")));
    EXPECT_EQ(view->shownFile(), t->folder + QStringLiteral("/pages/Чары/Огонь.html"));
    EXPECT_TRUE(view->toPlainText().contains(QStringLiteral("Огонь")));
    EXPECT_TRUE(browser.opened.isEmpty());

    named<QAction>(main, QStringLiteral("N18"))->trigger();
    test::processEvents();
    const QUrl web(QStringLiteral("https://veldora.example/novosti"));
    emit view->anchorClicked(web);
    EXPECT_EQ(browser.opened, QList<QUrl>{web});
    EXPECT_EQ(view->shownFile(), t->folder + QStringLiteral("/pages/bonus/bonus_other.html"));

    // A page missing from the folder: one line in the view, the window opens as ever.
    const QString physical = t->folder + QStringLiteral("/pages/Чары/Физ.html");
    const QByteArray kept = fileBytes(physical);
    ASSERT_TRUE(QFile::remove(physical));
    forgetFolderListings();
    named<QAction>(main, QStringLiteral("N335"))->trigger();
    test::processEvents();
    EXPECT_TRUE(t->program->pageWindow->isVisible());
    EXPECT_EQ(view->problem(), QStringLiteral("Страница не найдена: ") + physical);
    EXPECT_EQ(view->toPlainText(), view->problem());
    EXPECT_TRUE(t->messages.messages.isEmpty());

    // Back on disk in another letter case, the same entry shows it again.
    QFile renamed(t->folder + QStringLiteral("/pages/Чары/ФИЗ.HTML"));
    ASSERT_TRUE(renamed.open(QIODevice::WriteOnly));
    renamed.write(kept);
    renamed.close();
    forgetFolderListings();
    named<QAction>(main, QStringLiteral("N335"))->trigger();
    test::processEvents();
    EXPECT_EQ(view->shownFile(), renamed.fileName());
    EXPECT_TRUE(view->toPlainText().contains(QStringLiteral("Физическая материя")));
}

// ---------------------------------------------------------------- tutorial

TEST(Tutorial, OpensAtStartWithTheBoxTickedAndTheMainWindowDisabledUntilItCloses) {
    auto t = startWithSettings(QByteArray("\x01\x00", 2));
    if (!t) GTEST_SKIP() << "the build has no sample program folder";
    ASSERT_TRUE(t->program->mainWindow);
    MainWindow *main = t->program->mainWindow.get();
    TutorialWindow *tutorial = t->program->tutorial.get();
    EXPECT_TRUE(tutorial->isVisible());
    EXPECT_TRUE(named<QCheckBox>(tutorial, QStringLiteral("CheckBox1"))->isChecked());
    EXPECT_FALSE(main->isEnabled());
    EXPECT_FALSE(t->program->planner->state().requirementCheckOn);
    EXPECT_FALSE(named<QAction>(main, QStringLiteral("N23"))->isChecked());

    // A message while the main window is disabled must be answerable: its box is
    // not owned by the disabled window.
    MessageBoxMessages boxes;
    boxes.setParent(main);
    bool boxEnabled = false;
    QTimer::singleShot(0, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            boxEnabled = box->isEnabled();
            box->done(0);
        }
    });
    boxes.showMessage(QStringLiteral("Проверка"));
    EXPECT_TRUE(boxEnabled);

    QTest::mouseClick(named<QPushButton>(tutorial, QStringLiteral("Button1")), Qt::LeftButton);
    test::processEvents();
    EXPECT_FALSE(tutorial->isVisible());
    EXPECT_TRUE(main->isEnabled());

    // "Обучение" reads the file again: byte 0 still set, so the main window waits again.
    QTest::keyClick(main, Qt::Key_F1);
    test::processEvents();
    EXPECT_TRUE(tutorial->isVisible());
    EXPECT_FALSE(main->isEnabled());
    tutorial->close();
    EXPECT_TRUE(main->isEnabled());
}

TEST(Tutorial, ApplyWritesTheBoxBesideTheRequirementCheckAndArticlesOpenInTheDefaultProgram) {
    START_ON_SAMPLE(t);  // ini.ini 0, 1: no tutorial, the requirement check on
    MainWindow *main = t->program->mainWindow.get();
    TutorialWindow *tutorial = t->program->tutorial.get();
    QCheckBox *box = named<QCheckBox>(tutorial, QStringLiteral("CheckBox1"));
    const QString ini = t->folder + QStringLiteral("/ini.ini");
    EXPECT_FALSE(tutorial->isVisible());

    // Byte 0 clear: "Обучение" opens it and the main window stays usable.
    named<QAction>(main, QStringLiteral("N6"))->trigger();
    test::processEvents();
    ASSERT_TRUE(tutorial->isVisible());
    EXPECT_TRUE(main->isEnabled());
    EXPECT_FALSE(box->isChecked());

    box->setChecked(true);
    QTest::mouseClick(named<QPushButton>(tutorial, QStringLiteral("Button2")), Qt::LeftButton);
    EXPECT_EQ(fileBytes(ini), QByteArray("\x01\x01", 2));
    box->setChecked(false);
    QTest::mouseClick(named<QPushButton>(tutorial, QStringLiteral("Button2")), Qt::LeftButton);
    EXPECT_EQ(fileBytes(ini), QByteArray("\x00\x01", 2));

    // "Проверка требований" writes the box as it stands, applied or not.
    box->setChecked(true);
    named<QAction>(main, QStringLiteral("N23"))->trigger();
    EXPECT_EQ(fileBytes(ini), QByteArray("\x01\x00", 2));
    QTest::mouseClick(named<QPushButton>(tutorial, QStringLiteral("Button2")), Qt::LeftButton);
    EXPECT_EQ(fileBytes(ini), QByteArray("\x01\x00", 2));

    // A settings file that cannot be written: the message, the box and the file as they were.
    ASSERT_TRUE(QFile::remove(ini));
    ASSERT_TRUE(QDir().mkdir(ini));
    box->setChecked(false);
    t->messages.messages.clear();
    QTest::mouseClick(named<QPushButton>(tutorial, QStringLiteral("Button2")), Qt::LeftButton);
    ASSERT_EQ(t->messages.messages.size(), 1);
    EXPECT_TRUE(t->messages.messages[0].startsWith(QStringLiteral("Не удалось сохранить настройки")));
    EXPECT_FALSE(box->isChecked());
    EXPECT_TRUE(QFileInfo(ini).isDir());

    // The articles redden under the pointer and open in the default program.
    RecordedOpener browser;
    tutorial->setExternalOpener(browser.opener());
    t->messages.messages.clear();
    HoverLabel *level = named<HoverLabel>(tutorial, QStringLiteral("Label12"));
    EXPECT_EQ(textColour(level), QColor(0, 0, 0));
    test::hover(level, QPoint(3, 3));
    EXPECT_EQ(textColour(level), QColor(255, 0, 0));
    test::hover(named<QWidget>(tutorial, QStringLiteral("Label11")), QPoint(3, 3));
    EXPECT_EQ(textColour(level), QColor(0, 0, 0));

    QTest::mouseClick(level, Qt::LeftButton);
    const QString article = t->folder + QStringLiteral("/pages/articles/Уровень персонажа.html");
    EXPECT_EQ(browser.opened, QList<QUrl>{QUrl::fromLocalFile(article)});
    EXPECT_TRUE(tutorial->isVisible());
    EXPECT_TRUE(t->messages.messages.isEmpty());

    // A program that cannot be started, and an article gone from the folder, are said.
    browser.result = false;
    QTest::mouseClick(level, Qt::LeftButton);
    ASSERT_TRUE(QFile::remove(article));
    forgetFolderListings();
    QTest::mouseClick(level, Qt::LeftButton);
    EXPECT_EQ(t->messages.messages, (QStringList{QStringLiteral("Не удалось открыть статью: ") + article,
                                                 QStringLiteral("Статья не найдена: ") + article}));
    EXPECT_EQ(browser.opened.size(), 2);
    tutorial->close();
}

// ---------------------------------------------------------------- history

QVector<Report> reports(int count) {
    QVector<Report> r;
    for (int id = count; id >= 1; --id)
        r.append({QString::number(id), QStringLiteral("%1.03.2026 10:00").arg(id, 2, 10, QLatin1Char('0')),
                  QStringLiteral("Отчёт %1").arg(id)});
    return r;
}

QStringList captions(const HistoryWindow &w) {
    QStringList c;
    for (const HoverLabel *l : w.pageLabels()) c << l->text();
    return c;
}

TEST(History, PageLabelsCentredTheCurrentOneDisabledReportsAsWrittenEveryPageReachable) {
    QVector<Report> thirteen = reports(13);
    thirteen[0].text = QStringLiteral("<b>Новые</b> шлемы & <img src=x>");
    HistoryWindow window(thirteen);
    window.show();
    test::processEvents();
    ASSERT_EQ(captions(window), (QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}));
    QVector<int> widths;
    for (const HoverLabel *l : window.pageLabels()) widths << l->width();
    const PageLabelRow row = layoutPageLabels(widths, HistoryWindow::kWidth);
    EXPECT_EQ(named<QWidget>(&window, QStringLiteral("Panel1"))->geometry(), QRect(row.panelLeft, 392, row.panelWidth, 41));
    EXPECT_EQ(window.pageLabels()[1]->pos(), QPoint(row.lefts[1], 11));

    // Page 1 at start, the newest report first and shown as written, never as markup.
    QLabel *report1 = named<QLabel>(&window, QStringLiteral("LabelArticle1"));
    EXPECT_FALSE(window.pageLabels()[0]->isEnabled());
    EXPECT_EQ(report1->text(), thirteen[0].text);
    EXPECT_EQ(report1->textFormat(), Qt::PlainText);
    EXPECT_EQ(report1->geometry(), QRect(19, 32, 950, report1->heightForWidth(950)));

    HoverLabel *third = window.pageLabels()[2];
    test::hover(&window, QPoint(400, 200));  // the pointer comes in from elsewhere
    test::hover(third, QPoint(2, 2));
    EXPECT_EQ(textColour(third), QColor(255, 0, 0));
    QTest::mouseClick(third, Qt::LeftButton);
    EXPECT_FALSE(third->isEnabled());
    EXPECT_EQ(textColour(third), QColor(0, 0, 0));  // greyed now, and black once enabled again
    EXPECT_TRUE(window.pageLabels()[0]->isEnabled());
    EXPECT_EQ(report1->text(), QStringLiteral("Отчёт 1"));
    EXPECT_EQ(named<QLabel>(&window, QStringLiteral("LabelDate1"))->text(), QStringLiteral("01.03.2026 10:00"));
    for (int k = 2; k <= 6; ++k) {
        EXPECT_FALSE(named<QLabel>(&window, QStringLiteral("LabelDate%1").arg(k))->isVisible()) << k;
        EXPECT_FALSE(named<QLabel>(&window, QStringLiteral("LabelArticle%1").arg(k))->isVisible()) << k;
    }
    HistoryWindow empty({});
    EXPECT_FALSE(named<QLabel>(&empty, QStringLiteral("LabelDate1"))->isVisibleTo(&empty));

    // 255 pages of labels are far wider than the window: the row scrolls instead
    // of running off both edges.
    HistoryWindow many(reports(255 * 6 + 1));
    ASSERT_EQ(captions(many).size(), 255);
    EXPECT_EQ(named<QScrollArea>(&many, QStringLiteral("ScrollBoxPages"))->widget(), many.pagePanel());
    EXPECT_GE(many.pagePanel()->width(), many.pageLabels().back()->geometry().right());
}

// ---------------------------------------------------------------- information window

TEST(Information, ShowsTheCatalogueSizeAndOpensTheCreditedPages) {
    QTemporaryDir dir;
    veldora::testing::FixtureCatalogue f;
    for (int i = 0; i < 1234; ++i)
        f.addItem(kCategories[i % kCategoryCount].category, QStringLiteral("Предмет %1").arg(i), 1 + i % 20);
    ASSERT_EQ(f.write(dir.path()), QString());
    test::RecordingMessages messages;
    auto started = startProgram(dir.path(), messages, kStartAtOnce);
    ASSERT_TRUE(started->mainWindow) << started->error.toStdString();
    InformationWindow *info = started->information.get();
    RecordedOpener browser;
    info->setExternalOpener(browser.opener());
    test::processEvents();
    QTest::keyClick(started->mainWindow.get(), Qt::Key_F2);
    test::processEvents();
    ASSERT_TRUE(info->isVisible());
    EXPECT_EQ(named<QLabel>(info, QStringLiteral("Label5"))->text(), QStringLiteral("Предметов в базе:"));
    EXPECT_EQ(named<QLabel>(info, QStringLiteral("LabelBaseCount"))->text(), QStringLiteral("1234"));

    QTest::mouseClick(named<QWidget>(info, QStringLiteral("Image2")), Qt::LeftButton);
    QTest::mouseClick(named<QWidget>(info, QStringLiteral("Image3")), Qt::LeftButton);
    ASSERT_EQ(browser.opened.size(), 2);
    EXPECT_NE(browser.opened[0], browser.opened[1]);
    EXPECT_EQ(browser.opened[0].scheme(), QStringLiteral("https"));
    info->close();
}

}  // namespace
}  // namespace veldora
