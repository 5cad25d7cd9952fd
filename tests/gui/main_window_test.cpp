#include "GuiTestSupport.h"

#include "app/CatalogueTabs.h"
#include "app/MainMenu.h"
#include "app/MainWindow.h"
#include "app/Planner.h"
#include "views/BrowserWindow.h"
#include "views/InfoPanel.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace veldora {
namespace {

using test::named;

QString text(QWidget *root, const char *label) { return named<QLabel>(root, QString::fromLatin1(label))->text(); }

int countEntries(QMenu *menu, bool enabledOnly) {
    int n = 0;
    for (QAction *a : menu->actions()) {
        if (a->menu())
            n += countEntries(a->menu(), enabledOnly);
        else if (!a->isSeparator() && (!enabledOnly || a->isEnabled()))
            ++n;
    }
    return n;
}

QByteArray fileBytes(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("missing");
}

TEST(MainWindow, EveryNamedControlIsThereAndTheHelpPicturesExplain) {
    START_ON_SAMPLE(t);
    MainWindow *main = t->program->mainWindow.get();
    EXPECT_EQ(main->objectName(), QStringLiteral("TForm1"));
    EXPECT_EQ(main->windowTitle(), QStringLiteral(".:: Вельдора :: By Morvessa ::."));
    for (const SheetLabelInfo &l : kSheetLabels)
        named<QLabel>(main, QString::fromLatin1(l.name));
    for (const SlotInfo &s : kSlots) {
        QLabel *slot = named<QLabel>(main, QString::fromLatin1(s.pictureBox));
        EXPECT_EQ(slot->geometry(), QRect(s.left, s.top, s.width, s.height)) << s.pictureBox;
        EXPECT_EQ(slot->cursor().shape(), Qt::PointingHandCursor);
    }
    for (const PointRow &r : kPointRows) {
        named<QLabel>(main, QString::fromLatin1(r.plusButton));
        named<QLabel>(main, QString::fromLatin1(r.minusButton));
    }
    for (const char *name : {"Panel1", "Panel2", "Panel3", "Panel4", "Panel5", "Panel6", "Panel7", "Panel_info",
                             "Image1", "Image4", "Image5", "Image6", "Image7", "Aura1", "Aura8", "ErrorLabel",
                             "Label_info1", "LLCrit", "LLBKontr", "LLFKrit", "Edit1", "Edit12"})
        named<QWidget>(main, QString::fromLatin1(name));
    EXPECT_EQ(named<QWidget>(main, QStringLiteral("Panel5"))->geometry().topLeft(), QPoint(714, 19));
    EXPECT_EQ(named<QWidget>(main, QStringLiteral("Panel5"))->width(), 388);
    EXPECT_EQ(named<QPushButton>(main, QStringLiteral("Button_ok"))->text(), QStringLiteral("Ok"));
    EXPECT_EQ(named<QLabel>(main, QStringLiteral("LTreb_Lvl"))->toolTip(), QStringLiteral("Требуемый уровень"));
    EXPECT_EQ(named<QLabel>(main, QStringLiteral("LLCrit"))->text(), QStringLiteral("Критический удар"));
    EXPECT_EQ(named<QLabel>(main, QStringLiteral("LabelKO"))->text(), QStringLiteral("К.о."));

    // Menu: shortcuts, the check mark, entries that open their windows.
    EXPECT_EQ(named<QAction>(main, QStringLiteral("MenuEnterCharacter"))->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
    EXPECT_EQ(named<QAction>(main, QStringLiteral("N21"))->shortcut(), QKeySequence(Qt::Key_Delete));
    EXPECT_TRUE(named<QAction>(main, QStringLiteral("N23"))->isCheckable());
    EXPECT_EQ(named<QAction>(main, QStringLiteral("N6"))->shortcut(), QKeySequence(Qt::Key_F1));
    for (const char *entry : {"N6", "MenuInformation", "N111", "N13", "N10", "N8", "N211", "N1102"})
        EXPECT_TRUE(named<QAction>(main, QString::fromLatin1(entry))->isEnabled()) << entry;
    QMenu *presets = named<QMenu>(main, QStringLiteral("MenuPresets"));
    EXPECT_EQ(countEntries(presets, true), 134);
    EXPECT_NE(findMenuEntry(main->menuBar(), {QStringLiteral("Одеть комплект"), QStringLiteral("Для уворотов"),
                                          QStringLiteral("Комплект подвижности ")}),
              nullptr);
    EXPECT_EQ(named<QMenu>(main, QStringLiteral("MenuDatabase"))->actions().size(), 13);

    const QStringList expected{
        QStringLiteral("В таблице <Характеристики> отображаются только суммированные характеристики от надетых предметов.\r"
                       "Бонусы отображаются ниже, и не суммируются."),
        QStringLiteral("Для изменения данных персонажа, нужно зайти в меню Персонаж -> Ввести данные...\rЛибо нажать Ctrl+N ...\r"
                       "Но помните, если вы уже сделали какие-то манипуляции с персонажем, то их не будет... \r"
                       "Всё обнулится, и в силу вступят новые введенные данные..."),
        QStringLiteral("Проверку требований предметов можно включить/отключить, зайдя в меню настройки.")};
    t->messages.messages.clear();
    for (const char *help : {"Image8", "Image9", "Image10"})
        QTest::mouseClick(named<QLabel>(main, QString::fromLatin1(help)), Qt::LeftButton);
    EXPECT_EQ(t->messages.messages, expected);
}

TEST(MainWindow, ANewcomerEntersACharacterAndDistributesPoints) {
    START_ON_SAMPLE(t);
    MainWindow *main = t->program->mainWindow.get();
    QWidget *panel4 = named<QWidget>(main, QStringLiteral("Panel4"));
    EXPECT_FALSE(panel4->isVisible());
    EXPECT_EQ(text(main, "Label_lvl"), QStringLiteral("[1]"));

    QTest::keyClick(main, Qt::Key_N, Qt::ControlModifier);
    test::processEvents();
    ASSERT_TRUE(panel4->isVisible());
    EXPECT_EQ(panel4->pos(), QPoint(288, main->scrollArea()->verticalScrollBar()->value() + 100));
    // The close picture leaves everything as it was.
    QTest::mouseClick(named<QLabel>(main, QStringLiteral("Image4")), Qt::LeftButton);
    EXPECT_FALSE(panel4->isVisible());

    QTest::keyClick(main, Qt::Key_N, Qt::ControlModifier);
    named<QLineEdit>(main, QStringLiteral("Edit1"))->setText(QStringLiteral("10"));
    named<QLineEdit>(main, QStringLiteral("Edit2"))->setText(QStringLiteral("2"));
    named<QLineEdit>(main, QStringLiteral("Edit8"))->setText(QStringLiteral("20"));
    QTest::mouseClick(named<QPushButton>(main, QStringLiteral("Button_ok")), Qt::LeftButton);
    EXPECT_FALSE(panel4->isVisible());
    EXPECT_EQ(text(main, "Label_lvl"), QStringLiteral("[10]"));
    EXPECT_EQ(text(main, "LStat_new"), QStringLiteral("2"));
    EXPECT_EQ(text(main, "LStat_hp"), QStringLiteral("20"));
    EXPECT_EQ(text(main, "LabelHP"), QStringLiteral("880/880"));

    QLabel *plus = named<QLabel>(main, QStringLiteral("PButton_Sila"));
    QLabel *minus = named<QLabel>(main, QStringLiteral("MButton_Sila"));
    EXPECT_FALSE(minus->isVisible());
    QTest::mouseClick(plus, Qt::LeftButton);
    EXPECT_EQ(text(main, "LStat_sila"), QStringLiteral("4"));
    EXPECT_EQ(text(main, "LStat_new"), QStringLiteral("1"));
    EXPECT_EQ(text(main, "LTotalStat_sila"), QStringLiteral("4"));
    EXPECT_EQ(text(main, "LabelMaxMassa"), QStringLiteral("16"));
    EXPECT_TRUE(minus->isVisible());
    QTest::mouseClick(named<QLabel>(main, QStringLiteral("PButton_lovkost")), Qt::LeftButton);
    EXPECT_EQ(text(main, "LStat_new"), QStringLiteral("0"));
    // No points left: every plus picture of the table is gone.
    EXPECT_FALSE(plus->isVisible());
    EXPECT_FALSE(named<QLabel>(main, QStringLiteral("PButton_uda4a"))->isVisible());
    QTest::mouseClick(minus, Qt::LeftButton);
    EXPECT_EQ(text(main, "LStat_sila"), QStringLiteral("3"));
    EXPECT_EQ(text(main, "LStat_new"), QStringLiteral("1"));
    EXPECT_TRUE(plus->isVisible());
    EXPECT_FALSE(minus->isVisible());

    // A field that is not a whole number: the message, and nothing changes.
    t->messages.messages.clear();
    QTest::keyClick(main, Qt::Key_N, Qt::ControlModifier);
    named<QLineEdit>(main, QStringLiteral("Edit5"))->setText(QStringLiteral("abc"));
    QTest::mouseClick(named<QPushButton>(main, QStringLiteral("Button_ok")), Qt::LeftButton);
    EXPECT_EQ(t->messages.messages, QStringList{QStringLiteral("'abc' is not a valid integer value")});
    EXPECT_EQ(text(main, "Label_lvl"), QStringLiteral("[10]"));
    EXPECT_EQ(text(main, "LStat_lovkost"), QStringLiteral("4"));
    EXPECT_TRUE(panel4->isVisible());
}

TEST(MainWindow, DressesFromTheBrowserShowsTheWornItemAndTakesItOff) {
    START_ON_SAMPLE(t);
    MainWindow *main = t->program->mainWindow.get();
    BrowserWindow *browser = t->program->browser;
    const Catalogue &catalogue = t->program->planner->state().catalogue;
    // The sample folder starts with the requirement check on; a fresh character
    // could wear nothing.
    QAction *check = named<QAction>(main, QStringLiteral("N23"));
    ASSERT_TRUE(check->isChecked());
    check->trigger();
    ASSERT_FALSE(t->program->planner->state().requirementCheckOn);

    QLabel *helmet = named<QLabel>(main, QStringLiteral("Image_helmet"));
    QTest::mouseClick(helmet, Qt::LeftButton);
    test::processEvents();
    ASSERT_TRUE(browser->isVisible());
    EXPECT_EQ(browser->pageControl()->currentIndex(), 0);

    CatalogueGrid *grid = browser->grid(0);
    ASSERT_GT(grid->pictureCount(), 0);
    const QString name = catalogue.table(Category::Helmets).cell(col::Name, 1);
    test::hover(grid, grid->pictureRect(1).center());
    ASSERT_TRUE(browser->infoPanel()->isVisible());
    EXPECT_EQ(browser->infoPanel()->nameLabel()->text(), name);

    const QString massBefore = text(main, "LabelMassa");
    QTest::mouseClick(grid, Qt::LeftButton, {}, grid->pictureRect(1).center());
    test::processEvents();
    EXPECT_EQ(t->program->planner->state().slot(Slot::Helmet).row, 1);
    ASSERT_NE(helmet->pixmap().isNull(), true);
    EXPECT_NE(text(main, "LabelMassa"), massBefore);
    EXPECT_TRUE(browser->isVisible());  // stays open for the next click

    QTest::mouseClick(named<QLabel>(browser, QStringLiteral("Imageclose")), Qt::LeftButton);
    test::processEvents();
    EXPECT_FALSE(browser->isVisible());

    // Hovering the worn helmet shows its panel right of the slot.
    InfoPanel *info = main->infoPanel();
    test::hover(helmet, QPoint(10, 10));
    ASSERT_TRUE(info->isVisible());
    EXPECT_EQ(info->nameLabel()->text(), name);
    EXPECT_EQ(info->pos(), QPoint(76, 90));
    // The character picture's background hides it again.
    test::hover(named<QLabel>(main, QStringLiteral("Image1")), QPoint(120, 20));
    EXPECT_FALSE(info->isVisible());
    // So do the table and modifier panel pictures.
    for (const char *area : {"Image2", "Image3", "Image5"}) {
        test::hover(helmet, QPoint(10, 10));
        ASSERT_TRUE(info->isVisible());
        test::hover(named<QWidget>(main, QString::fromLatin1(area)), QPoint(30, 8));
        EXPECT_FALSE(info->isVisible()) << area;
    }
    // An empty slot shows no panel.
    test::hover(named<QLabel>(main, QStringLiteral("Image_boots")), QPoint(5, 5));
    EXPECT_FALSE(info->isVisible());

    // A click on the worn helmet takes it off and opens nothing.
    QTest::mouseClick(helmet, Qt::LeftButton);
    test::processEvents();
    EXPECT_EQ(t->program->planner->state().slot(Slot::Helmet).row, 0);
    EXPECT_TRUE(helmet->pixmap().isNull());
    EXPECT_EQ(text(main, "LabelMassa"), massBefore);
    EXPECT_FALSE(browser->isVisible());

    // The database menu opens the browser on the tab it names.
    named<QAction>(main, QStringLiteral("MenuDatabaseTab11"))->trigger();
    test::processEvents();
    EXPECT_TRUE(browser->isVisible());
    EXPECT_EQ(browser->pageControl()->currentIndex(), 11);
    browser->close();
}

TEST(MainWindow, RingsFillTheFirstFreeSlotAndARefusedItemHidesThePanelBeforeTheMessage) {
    START_ON_SAMPLE(t);
    MainWindow *main = t->program->mainWindow.get();
    BrowserWindow *browser = t->program->browser;
    const PlannerState &state = t->program->planner->state();
    ASSERT_TRUE(state.requirementCheckOn);

    QTest::mouseClick(named<QLabel>(main, QStringLiteral("Image_ring3")), Qt::LeftButton);
    test::processEvents();
    ASSERT_TRUE(browser->isVisible());
    ASSERT_EQ(browser->pageControl()->currentIndex(), 11);
    CatalogueGrid *rings = browser->grid(11);
    ASSERT_GT(rings->pictureCount(), 1);
    // The last ring needs the highest level: a fresh character is refused.
    const int last = rings->pictureCount();
    test::hover(rings, rings->pictureRect(last).center());
    ASSERT_TRUE(browser->infoPanel()->isVisible());
    bool panelShownAtMessage = true;
    t->messages.onMessage = [&] { panelShownAtMessage = browser->infoPanel()->isVisible(); };
    t->messages.messages.clear();
    QTest::mouseClick(rings, Qt::LeftButton, {}, rings->pictureRect(last).center());
    EXPECT_EQ(t->messages.messages, QStringList{QStringLiteral("Требования не выполнены.")});
    EXPECT_FALSE(panelShownAtMessage);
    EXPECT_EQ(state.slot(Slot::Ring1).row, 0);
    t->messages.onMessage = nullptr;

    // Without the check the same ring goes on every ring slot, one click each.
    named<QAction>(main, QStringLiteral("N23"))->trigger();
    t->messages.messages.clear();
    for (int i = 0; i < 5; ++i) QTest::mouseClick(rings, Qt::LeftButton, {}, rings->pictureRect(last).center());
    for (Slot s : kRingSlots) EXPECT_EQ(state.slot(s).row, last);
    EXPECT_TRUE(t->messages.messages.isEmpty());
    QTest::mouseClick(rings, Qt::LeftButton, {}, rings->pictureRect(1).center());
    EXPECT_EQ(t->messages.messages, QStringList{QStringLiteral("Все слоты для колец заняты.")});
    browser->reject();  // Escape closes it like the close picture
    test::processEvents();
    EXPECT_FALSE(browser->isVisible());

    // A worn ring is taken off by its slot, and the browser stays closed; the next
    // ring goes to that slot.
    QLabel *ring3 = named<QLabel>(main, QStringLiteral("Image_ring3"));
    EXPECT_FALSE(ring3->pixmap().isNull());
    QTest::mouseClick(ring3, Qt::LeftButton);
    test::processEvents();
    EXPECT_EQ(state.slot(Slot::Ring3).row, 0);
    EXPECT_TRUE(ring3->pixmap().isNull());
    EXPECT_FALSE(browser->isVisible());
    named<QAction>(main, QStringLiteral("MenuDatabaseTab11"))->trigger();
    test::processEvents();
    QTest::mouseClick(rings, Qt::LeftButton, {}, rings->pictureRect(1).center());
    EXPECT_EQ(state.slot(Slot::Ring3).row, 1);
    EXPECT_FALSE(ring3->pixmap().isNull());
    browser->close();
}

TEST(MainWindow, TheWornItemPanelKeepsItsPlaceWithoutTakingThePointerFromItsSlot) {
    START_ON_SAMPLE(t);
    MainWindow *main = t->program->mainWindow.get();
    t->program->planner->setRequirementCheckOn(false);
    emit t->program->browser->pictureClicked(0, 1);
    emit t->program->browser->pictureClicked(tab::Rings, 1);
    InfoPanel *info = main->infoPanel();
    QLabel *helmet = named<QLabel>(main, QStringLiteral("Image_helmet"));
    QLabel *ring = named<QLabel>(main, QStringLiteral("Image_ring1"));

    // Along the slot's right edge and over most of a ring the panel lies over the
    // slot; moving there again must not hide it, nor each move after.
    for (auto [slot, at] : {std::pair{helmet, QPoint(helmet->width() - 3, helmet->height() / 2)},
                            std::pair{ring, QPoint(15, 10)}, std::pair{ring, QPoint(12, 4)}}) {
        for (int move = 0; move < 3; ++move) {
            test::hover(slot, at + QPoint(0, move));
            EXPECT_TRUE(info->isVisible()) << slot->objectName().toStdString() << " move " << move;
        }
        const SlotInfo &s = slotInfo(slot == helmet ? Slot::Helmet : Slot::Ring1);
        EXPECT_EQ(info->pos(), QPoint(s.left + s.width + 10, s.top + 8)) << "the place of the panel is kept";
        EXPECT_TRUE(info->geometry().intersects(slot->geometry().translated(named<QWidget>(main, QStringLiteral("Panel1"))->pos())));
    }
    // Off the slot, onto the character picture beside the panel: hidden.
    test::hover(named<QLabel>(main, QStringLiteral("Image1")), QPoint(120, 20));
    EXPECT_FALSE(info->isVisible());

    // Taking the item off by its slot hides its panel at once, before the pointer moves.
    test::hover(helmet, QPoint(10, 10));
    ASSERT_TRUE(info->isVisible());
    QTest::mouseClick(helmet, Qt::LeftButton, {}, QPoint(10, 10));
    ASSERT_EQ(t->program->planner->state().slot(Slot::Helmet).row, 0);
    EXPECT_FALSE(info->isVisible());
}

TEST(MainWindow, TheEntryPanelTakesTheKeyboardEnterPressesOkAndEscapeCloses) {
    START_ON_SAMPLE(t);
    MainWindow *main = t->program->mainWindow.get();
    QWidget *panel4 = named<QWidget>(main, QStringLiteral("Panel4"));
    auto *level = named<QLineEdit>(main, QStringLiteral("Edit1"));
    auto *strength = named<QLineEdit>(main, QStringLiteral("Edit5"));

    QTest::keyClick(main, Qt::Key_N, Qt::ControlModifier);
    ASSERT_TRUE(panel4->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), level) << "the first field has the focus";
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("7"));
    EXPECT_EQ(level->text(), QStringLiteral("7")) << "typing replaces the default";
    level->setText(QStringLiteral("12"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(panel4->isVisible()) << "Escape closes it as the close picture does";
    EXPECT_EQ(text(main, "Label_lvl"), QStringLiteral("[1]"));

    // Opened again, Enter in any field (the main one or the keypad's) applies the entry.
    for (Qt::Key enter : {Qt::Key_Return, Qt::Key_Enter}) {
        QTest::keyClick(main, Qt::Key_N, Qt::ControlModifier);
        ASSERT_TRUE(panel4->isVisible());
        EXPECT_EQ(QApplication::focusWidget(), level);
        strength->setFocus();
        level->setText(enter == Qt::Key_Return ? QStringLiteral("12") : QStringLiteral("13"));
        QTest::keyClick(strength, enter, enter == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        EXPECT_FALSE(panel4->isVisible());
        EXPECT_EQ(text(main, "Label_lvl"), enter == Qt::Key_Return ? QStringLiteral("[12]") : QStringLiteral("[13]"));
    }
}

TEST(MainWindow, ASlotWhosePictureDoesNotDecodeShowsTheFallback) {
    START_ON_SAMPLE(t);
    t->program->planner->setRequirementCheckOn(false);
    const CategoryTable &helmets = t->program->planner->state().catalogue.table(Category::Helmets);
    QFile file(t->folder + QStringLiteral("/img/") + helmets.cell(col::File, 1));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("no picture here");
    file.close();
    emit t->program->browser->pictureClicked(0, 1);
    const QPixmap shown = named<QLabel>(t->program->mainWindow.get(), QStringLiteral("Image_helmet"))->pixmap();
    ASSERT_FALSE(shown.isNull());
    EXPECT_EQ(shown.toImage(), QImage(t->folder + QStringLiteral("/img/no_image.bmp")).convertToFormat(shown.toImage().format()));
}

TEST(MainWindow, APresetUnderTheRequirementCheckListsFailuresAndTheCheckIsSaved) {
    START_ON_SAMPLE(t);
    MainWindow *main = t->program->mainWindow.get();
    QAction *check = named<QAction>(main, QStringLiteral("N23"));
    ASSERT_TRUE(check->isChecked());
    ASSERT_TRUE(t->program->planner->state().requirementCheckOn);

    QAction *preset = findMenuEntry(main->menuBar(), {QStringLiteral("Одеть комплект"), QStringLiteral("Для уворотов"),
                                                  QStringLiteral("Комплект ангела"), QStringLiteral("Кинжал")});
    ASSERT_NE(preset, nullptr);
    t->messages.messages.clear();
    preset->trigger();
    ASSERT_EQ(t->messages.messages.size(), 1);
    EXPECT_TRUE(t->messages.messages[0].startsWith(QStringLiteral("Требования не подходят для:\r\r")));
    EXPECT_TRUE(t->messages.messages[0].contains(QStringLiteral("Кинжал Ангелов\r")));

    // The check toggles; the file holds the tutorial byte as read and the flag.
    const QString ini = t->folder + QStringLiteral("/ini.ini");
    check->trigger();
    EXPECT_FALSE(check->isChecked());
    EXPECT_FALSE(t->program->planner->state().requirementCheckOn);
    EXPECT_EQ(fileBytes(ini), QByteArray("\x00\x00", 2));
    check->trigger();
    EXPECT_TRUE(check->isChecked());
    EXPECT_EQ(fileBytes(ini), QByteArray("\x00\x01", 2));

    // With checking off the same preset dresses the character without a word.
    check->trigger();
    t->messages.messages.clear();
    preset->trigger();
    EXPECT_TRUE(t->messages.messages.isEmpty());
    EXPECT_FALSE(named<QLabel>(main, QStringLiteral("Image_helmet"))->pixmap().isNull());

    // A file that cannot be written: the message, and the flag stays as it was.
    ASSERT_TRUE(QFile::remove(ini));
    ASSERT_TRUE(QDir().mkdir(ini));
    check->trigger();
    ASSERT_EQ(t->messages.messages.size(), 1);
    EXPECT_FALSE(check->isChecked());
    EXPECT_FALSE(t->program->planner->state().requirementCheckOn);

    // "Снять все предметы" empties every slot.
    QTest::keyClick(main, Qt::Key_Delete);
    for (const SlotInfo &s : kSlots) EXPECT_EQ(t->program->planner->state().slot(s.slot).row, 0);
    EXPECT_TRUE(named<QLabel>(main, QStringLiteral("Image_helmet"))->pixmap().isNull());
}

TEST(MainWindow, TheWheelScrollsTenPixelsAStepSidewaysOnlyWithAltAlone) {
    START_ON_SAMPLE(t);
    MainWindow *main = t->program->mainWindow.get();
    main->showNormal();
    main->resize(700, 500);
    test::processEvents();
    QScrollBar *v = main->scrollArea()->verticalScrollBar();
    QScrollBar *h = main->scrollArea()->horizontalScrollBar();
    ASSERT_GT(v->maximum(), 50);
    ASSERT_GT(h->maximum(), 50);
    QWidget *target = named<QWidget>(main, QStringLiteral("Image2"));
    auto turn = [&](int delta, Qt::KeyboardModifiers mods) {
        QWheelEvent e(QPointF(5, 5), target->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, delta), Qt::NoButton,
                      mods, Qt::NoScrollPhase, false);
        QApplication::sendEvent(target, &e);
    };
    turn(-120, Qt::NoModifier);
    EXPECT_EQ(v->value(), 10);
    turn(-240, Qt::NoModifier);
    EXPECT_EQ(v->value(), 30);
    turn(120, Qt::NoModifier);
    EXPECT_EQ(v->value(), 20);
    turn(-120, Qt::ControlModifier);
    turn(-120, Qt::ShiftModifier);
    EXPECT_EQ(v->value(), 40);
    EXPECT_EQ(h->value(), 0);
    turn(-120, Qt::AltModifier);
    turn(-120, Qt::AltModifier);
    EXPECT_EQ(h->value(), 20);
    turn(120, Qt::AltModifier);
    EXPECT_EQ(h->value(), 10);
    turn(-120, Qt::AltModifier | Qt::ControlModifier);
    EXPECT_EQ(h->value(), 10);
    EXPECT_EQ(v->value(), 50);
    // Fine-grained wheels add up to whole steps.
    turn(-60, Qt::NoModifier);
    EXPECT_EQ(v->value(), 50);
    turn(-60, Qt::NoModifier);
    EXPECT_EQ(v->value(), 60);

    // A horizontal or tilted wheel and a touchpad's sideways swipe scroll sideways
    // without Alt; a diagonal swipe scrolls both ways.
    auto sideways = [&](QPoint angle, QPoint pixels, Qt::ScrollPhase phase) {
        QWheelEvent e(QPointF(5, 5), target->mapToGlobal(QPointF(5, 5)), pixels, angle, Qt::NoButton, Qt::NoModifier,
                      phase, false);
        QApplication::sendEvent(target, &e);
    };
    sideways(QPoint(-120, 0), QPoint(), Qt::NoScrollPhase);
    EXPECT_EQ(h->value(), 20);
    EXPECT_EQ(v->value(), 60);
    sideways(QPoint(120, 0), QPoint(), Qt::NoScrollPhase);
    EXPECT_EQ(h->value(), 10);
    for (int i = 0; i < 4; ++i) sideways(QPoint(-30, 0), QPoint(-15, 0), Qt::ScrollUpdate);
    EXPECT_EQ(h->value(), 20);
    EXPECT_EQ(v->value(), 60);
    sideways(QPoint(-120, -120), QPoint(-60, -60), Qt::ScrollUpdate);
    EXPECT_EQ(h->value(), 30);
    EXPECT_EQ(v->value(), 70);
}

TEST(MainWindow, TheFadeInEndsBeforeTheSettingsAreRead) {
    START_ON_SAMPLE(t, true);
    MainWindow *main = t->program->mainWindow.get();
    QAction *check = named<QAction>(main, QStringLiteral("N23"));
    EXPECT_FALSE(main->fadeInDone());
    EXPECT_FALSE(check->isChecked());
    EXPECT_FALSE(t->program->planner->state().requirementCheckOn);
    test::processEvents(200);
    EXPECT_GT(main->fadeOpacity(), 0);
    EXPECT_LT(main->fadeOpacity(), 255);
    for (int i = 0; i < 100 && !main->fadeInDone(); ++i) test::processEvents(50);
    ASSERT_TRUE(main->fadeInDone());
    EXPECT_EQ(main->fadeOpacity(), 255);
    EXPECT_TRUE(check->isChecked());
    EXPECT_TRUE(t->program->planner->state().requirementCheckOn);
}

}  // namespace
}  // namespace veldora
