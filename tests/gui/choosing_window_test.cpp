#include "GuiTestSupport.h"

#include "app/CatalogueTabs.h"
#include "app/MainMenu.h"
#include "app/MainWindow.h"
#include "app/Planner.h"
#include "character/SheetMarks.h"
#include "views/BrowserSearch.h"
#include "views/BrowserWindow.h"
#include "views/ChoosingAids.h"
#include "views/InfoPanel.h"
#include "views/ToneLines.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QSignalSpy>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace veldora {
namespace {

using test::named;

QString t(const char *utf8) { return QString::fromUtf8(utf8); }

// Types as the keyboard does, one key at a time (QTest's own key names are ASCII only).
void typeInto(QWidget *w, const QString &text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &release);
    }
}

ChoosingAids *aidsOf(test::TestProgram &p) { return p.program->mainWindow->findChild<ChoosingAids *>(); }

// What a tab shows: where each picture is, its caption and font, how far it scrolls.
struct TabLook {
    QVector<QRect> places;
    QString caption;
    QFont font;
    int scrollRange;
    bool operator==(const TabLook &) const = default;
};
TabLook lookOf(BrowserWindow *b, int tab) {
    TabLook look{{}, b->pageControl()->tabText(tab), b->pageControl()->tabBar()->font(), b->grid(tab)->scrollRange()};
    for (int row = 1; row <= b->grid(tab)->pictureCount(); ++row) look.places.append(b->grid(tab)->pictureRect(row));
    return look;
}

int bottom(const QWidget *w) { return w->y() + w->height(); }

TEST(InfoPanelChoice, AddedBlocksStackUnderTheRequirementsAndSetInfoTakesThemAway) {
    QWidget window;
    InfoPanel panel(&window);
    ItemInfoText info{t("Шлем"), t("Масса: 1\r"), t("Уворот: 5\r"), t("Ремонт: Да\r"), t("Уровень: 20\rЛовкость: 35\r"), {}};
    panel.setInfo(info);
    const int plainHeight = panel.height();
    auto *req = named<QLabel>(&panel, QStringLiteral("Label_info3"));
    auto *summary = named<ToneLinesView>(&panel, QStringLiteral("Label_choice_missing"));
    auto *caption = named<QLabel>(&panel, QStringLiteral("Label_choice_caption"));
    auto *changes = named<ToneLinesView>(&panel, QStringLiteral("Label_choice"));

    ChoiceText choice;
    choice.requirements = {{t("Уровень: 20 (не хватает 5)"), Tone::Unmet}, {t("Ловкость: 35"), Tone::Plain}};
    choice.summary = {{t("Можно надеть с 20 уровня"), Tone::Unmet}};
    choice.changeHeading = t("Если надеть:");
    choice.changes = {{t("Уворот: +16"), Tone::Gain}, {t("Монет: +404"), Tone::Loss}};
    panel.setChoice(choice);
    const int line = QFontMetrics(req->font()).lineSpacing();
    EXPECT_EQ(req->height(), 2 * line);
    EXPECT_EQ(summary->y(), req->y() + req->height());
    EXPECT_EQ(summary->height(), line);
    EXPECT_EQ(caption->text(), t("Если надеть:"));
    EXPECT_EQ(caption->y(), bottom(summary));
    EXPECT_EQ(changes->y(), bottom(caption));
    EXPECT_EQ(changes->text(), t("Уворот: +16\nМонет: +404"));
    EXPECT_EQ(changes->height(), 2 * line);
    EXPECT_EQ(panel.height(), bottom(changes) + 10);

    // Too long a line wraps at a space; too many lines are counted in the last row.
    choice.changes = {{t("Защита от магического критического удара: +50 и ещё много слов сверх ширины"), Tone::Gain}};
    for (int i = 0; i < 60; ++i) choice.changes.append({QStringLiteral("Строка %1: +1").arg(i), Tone::Gain});
    panel.setChoice(choice);
    EXPECT_LE(panel.height(), InfoPanel::kMaxChoiceHeight);
    const QStringList rows = changes->text().split(QLatin1Char('\n'));
    EXPECT_TRUE(rows[1].startsWith(QStringLiteral("   "))) << rows[1].toStdString();
    const int shownLines = rows.size() - 2;  // two rows for the first line, one for the count
    EXPECT_EQ(rows.back(), QStringLiteral("… и ещё %1").arg(61 - shownLines));
    EXPECT_EQ(panel.height(), bottom(changes) + 10);

    panel.setInfo(info);
    EXPECT_EQ(panel.height(), plainHeight);
    EXPECT_FALSE(summary->isVisibleTo(&panel));
    EXPECT_FALSE(changes->isVisibleTo(&panel));
    EXPECT_EQ(req->textFormat(), Qt::PlainText);
}

TEST(BrowserSearch, TypingNarrowsEveryTabInItsOwnGridAndClearingGivesItAllBack) {
    START_ON_SAMPLE(p);
    BrowserWindow *browser = p->program->browser;
    browser->openOnTab(0);
    test::processEvents();
    auto *field = named<QLineEdit>(browser, QStringLiteral("EditSearch"));
    auto *box = named<QCheckBox>(browser, QStringLiteral("CheckOnlyWearable"));
    EXPECT_EQ(field->placeholderText(), t("Поиск…"));
    EXPECT_EQ(box->text(), t("Только подходящие"));
    // Both stay in the band above the tabs and clear of the close picture.
    for (QWidget *w : {static_cast<QWidget *>(field), static_cast<QWidget *>(box)}) {
        EXPECT_LT(w->geometry().bottom(), browser->pageControl()->y());
        EXPECT_FALSE(w->geometry().intersects(named<QLabel>(browser, QStringLiteral("Imageclose"))->geometry()));
    }
    EXPECT_TRUE(field->hasFocus());
    std::vector<TabLook> before;
    for (int tab = 0; tab < browser->tabCount(); ++tab) before.push_back(lookOf(browser, tab));

    const CatalogueSearch search(p->program->planner->state().catalogue);
    typeInto(field, t("АНГЕЛ"));
    for (int tab = 0; tab < browser->tabCount(); ++tab) {
        CatalogueGrid *grid = browser->grid(tab);
        const QVector<int> rows = search.matches(tab, t("ангел"));
        ASSERT_EQ(grid->shownRows(), rows) << tab;
        EXPECT_EQ(browser->pageControl()->tabText(tab), QStringLiteral("%1 %2").arg(t(kCatalogueTabs[tab].caption)).arg(rows.size()));
        // The k-th picture found stands where the k-th picture stood.
        for (int k = 0; k < rows.size(); ++k) EXPECT_EQ(grid->pictureRect(rows[k]), before[tab].places[k]);
    }
    // The pointer and the click mean the picture shown there.
    CatalogueGrid *helmets = browser->grid(0);
    ASSERT_GE(helmets->shownCount(), 2);
    const int second = helmets->shownRows()[1];
    test::hover(helmets, before[0].places[1].center());
    ASSERT_TRUE(browser->infoPanel()->isVisible());
    EXPECT_EQ(browser->infoPanel()->nameLabel()->text(),
              p->program->planner->state().catalogue.table(Category::Helmets).cell(col::Name, second));
    test::hover(field, QPoint(5, 5));
    EXPECT_FALSE(browser->infoPanel()->isVisible()) << "the field is no picture";
    QSignalSpy clicks(browser, &BrowserWindow::pictureClicked);
    QTest::mouseClick(helmets, Qt::LeftButton, {}, before[0].places[1].center());
    ASSERT_EQ(clicks.size(), 1);
    EXPECT_EQ(clicks[0][1].toInt(), second);

    // A name of no helmet turns to the first tab that has one.
    field->setText(t("кинжал"));
    EXPECT_EQ(browser->pageControl()->currentIndex(), tab::Weapons);

    field->clear();
    for (int tab = 0; tab < browser->tabCount(); ++tab) EXPECT_TRUE(lookOf(browser, tab) == before[tab]) << tab;

    // Enter puts on the one match of all tabs, and nothing while several match.
    Planner &planner = *p->program->planner;
    planner.setRequirementCheckOn(false);
    const QString ring = planner.state().catalogue.table(Category::Rings).cell(col::Name, 1);
    int total = 0;
    for (int tab = 0; tab < kCatalogueTabCount; ++tab) total += search.matches(tab, ring).size();
    ASSERT_EQ(total, 1) << "the first ring's name is its own";
    typeInto(field, t("кольцо"));
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(planner.state().slot(Slot::Ring1).row, 0);
    field->setText(ring);
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(planner.state().slot(Slot::Ring1).row, 1);
    // Each opening starts with every item of the tab.
    browser->close();
    browser->openOnTab(0);
    test::processEvents();
    EXPECT_TRUE(field->text().isEmpty());
    EXPECT_TRUE(lookOf(browser, 0) == before[0]);
    browser->close();
}

TEST(BrowserSearch, OnlyWearableItemsFollowTheCharacterAndTheBoxIsRemembered) {
    START_ON_SAMPLE(p);
    Planner &planner = *p->program->planner;
    ASSERT_TRUE(planner.state().requirementCheckOn);
    BrowserWindow *browser = p->program->browser;
    ChoiceAdvisor &advisor = aidsOf(*p)->advisor();
    browser->openOnTab(0);
    test::processEvents();
    auto *box = named<QCheckBox>(browser, QStringLiteral("CheckOnlyWearable"));
    const auto expectWearableShown = [&](const char *when) {
        for (int tab = 0; tab < browser->tabCount(); ++tab) {
            QVector<int> wearable;
            for (int row = 1; row <= browser->grid(tab)->pictureCount(); ++row)
                if (advisor.wearable(tab, row)) wearable.append(row);
            EXPECT_EQ(browser->grid(tab)->shownRows(), wearable) << when << ", tab " << tab;
        }
    };
    box->click();
    expectWearableShown("a fresh character");
    ASSERT_LT(browser->grid(0)->shownCount(), browser->grid(0)->pictureCount());
    EXPECT_TRUE(ChoosingSettings().onlyWearable());

    // A stronger character, entered while the browser is closed, finds more when it opens.
    const int fresh = browser->grid(0)->shownCount();
    browser->close();
    named<QAction>(p->program->mainWindow.get(), QStringLiteral("MenuEnterCharacter"))->trigger();
    for (const auto &[field, value] : {std::pair{"Edit1", "30"}, {"Edit5", "80"}, {"Edit6", "80"}, {"Edit7", "80"}})
        named<QLineEdit>(p->program->mainWindow.get(), QString::fromLatin1(field))->setText(QString::fromLatin1(value));
    QTest::mouseClick(named<QWidget>(p->program->mainWindow.get(), QStringLiteral("Button_ok")), Qt::LeftButton);
    browser->openOnTab(0);
    test::processEvents();
    expectWearableShown("a strong character");
    EXPECT_GT(browser->grid(0)->shownCount(), fresh);

    box->click();
    EXPECT_EQ(browser->grid(0)->shownCount(), browser->grid(0)->pictureCount());
    EXPECT_EQ(browser->pageControl()->tabText(0), t("Шлемы"));
    EXPECT_FALSE(ChoosingSettings().onlyWearable());
    browser->close();
}

TEST(ChoosingAids, ShowChangesTurnsThePanelsTheListAndTheMarksOnAndOff) {
    START_ON_SAMPLE(p);
    MainWindow *main = p->program->mainWindow.get();
    BrowserWindow *browser = p->program->browser;
    Planner &planner = *p->program->planner;
    QAction *entry = named<QAction>(main, QStringLiteral("MenuShowChanges"));
    EXPECT_EQ(findMenuEntry(main->menuBar(), {t("Настройки"), t("Показывать изменения")}), entry);
    ASSERT_TRUE(entry->isCheckable());
    ASSERT_TRUE(entry->isChecked());
    InfoPanel *info = browser->infoPanel();
    auto *caption = named<QLabel>(info, QStringLiteral("Label_choice_caption"));
    const int last = browser->grid(0)->pictureCount();  // the highest level: a fresh character lacks it

    browser->openOnTab(0);
    test::processEvents();
    test::hover(browser->grid(0), browser->grid(0)->pictureRect(last).center());
    ASSERT_TRUE(info->isVisible());
    EXPECT_TRUE(caption->isVisible());
    EXPECT_EQ(caption->text(), t("Если надеть:"));
    EXPECT_EQ(info->y() + info->height(), 570) << "placed by its full height";
    p->messages.messages.clear();
    QTest::mouseClick(browser->grid(0), Qt::LeftButton, {}, browser->grid(0)->pictureRect(last).center());
    EXPECT_EQ(p->messages.messages, QStringList{t("Требования не выполнены.")});
    EXPECT_TRUE(p->messages.lastFollowedBy.startsWith(t("Уровень: "))) << p->messages.lastFollowedBy.toStdString();

    // Off: the panel is exactly the one its own text makes, the message stands alone.
    entry->trigger();
    EXPECT_FALSE(ChoosingSettings().showChanges());
    test::hover(browser->grid(0), browser->grid(0)->pictureRect(1).center());
    test::hover(browser->grid(0), browser->grid(0)->pictureRect(last).center());
    QWidget plainWindow;
    InfoPanel plain(&plainWindow);
    plain.setInfo(buildItemInfo(planner.state().catalogue.table(Category::Helmets), last, InfoSource::CatalogueItem));
    EXPECT_EQ(info->height(), plain.height());
    for (QLabel *l : plain.findChildren<QLabel *>()) {
        auto *shown = named<QLabel>(info, l->objectName());
        EXPECT_EQ(shown->text(), l->text()) << l->objectName().toStdString();
        EXPECT_EQ(shown->isVisibleTo(info), l->isVisibleTo(&plain)) << l->objectName().toStdString();
        EXPECT_EQ(shown->textFormat(), l->textFormat()) << l->objectName().toStdString();
        if (l->isVisibleTo(&plain)) {
            EXPECT_EQ(shown->geometry(), l->geometry()) << l->objectName().toStdString();
        }
    }
    for (ToneLinesView *v : info->findChildren<ToneLinesView *>()) EXPECT_FALSE(v->isVisibleTo(info));
    QTest::mouseClick(browser->grid(0), Qt::LeftButton, {}, browser->grid(0)->pictureRect(last).center());
    EXPECT_TRUE(p->messages.lastFollowedBy.isEmpty());

    // The marks of the main window: the level this helmet needs, and more mass than
    // the backpack holds.
    planner.setRequirementCheckOn(false);
    QTest::mouseClick(browser->grid(0), Qt::LeftButton, {}, browser->grid(0)->pictureRect(last).center());
    for (int tab = 1; tab < 11; ++tab) emit browser->pictureClicked(tab, browser->grid(tab)->pictureCount());
    browser->close();
    const SheetMarks marks = sheetMarks(planner.state().sheet, planner.state().points.level);
    ASSERT_TRUE(marks.overweight && marks.levelTooLow);
    QLabel *mass = named<QLabel>(main, QStringLiteral("LabelMassa"));
    QLabel *level = named<QLabel>(main, QStringLiteral("LTreb_Lvl"));
    const auto colour = [](QLabel *l) { return l->palette().color(QPalette::WindowText); };
    const QColor massColour = colour(mass), levelColour = colour(level);  // unmarked while off
    entry->trigger();
    EXPECT_EQ(colour(mass), QColor(255, 0, 0));
    EXPECT_EQ(colour(level), QColor(255, 0, 0));
    // Hovering a worn item tells what taking it off changes.
    test::hover(named<QLabel>(main, QStringLiteral("Image_helmet")), QPoint(10, 10));
    EXPECT_EQ(named<QLabel>(main->infoPanel(), QStringLiteral("Label_choice_caption"))->text(), t("Если снять:"));
    QTest::mouseClick(named<QLabel>(main, QStringLiteral("Image_helmet")), Qt::LeftButton);
    EXPECT_EQ(colour(level), sheetMarks(planner.state().sheet, 1).levelTooLow ? QColor(255, 0, 0) : levelColour);
    named<QAction>(main, QStringLiteral("N21"))->trigger();
    EXPECT_EQ(colour(mass), massColour);
    EXPECT_EQ(colour(level), levelColour);
}

}  // namespace
}  // namespace veldora
