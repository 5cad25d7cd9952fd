#include "app/UserSettings.h"
#include "GuiTestSupport.h"

#include "app/CatalogueTabs.h"
#include "app/MainMenu.h"
#include "app/MainWindow.h"
#include "app/PlanFile.h"
#include "app/PlanMenu.h"
#include "app/Planner.h"
#include "app/UndoHistory.h"
#include "crafting/ForgeWindow.h"
#include "customitems/ItemCardWindow.h"
#include "customitems/ItemListWindow.h"
#include "support/PlannerFixtures.h"
#include "views/BrowserWindow.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace veldora {
namespace {

using test::named;

QString u(const char *text) { return QString::fromUtf8(text); }

// The player's settings stay out of the tests' way.
const bool kTestSettings = [] {
    QStandardPaths::setTestModeEnabled(true);
    return true;
}();

// The plan dialogs answer as the test says while it runs.
struct Dialogs {
    PlanDialogs saved = planDialogs();
    QStringList suggested;
    int questions = 0;
    PlanDialogs::CloseAnswer answer = PlanDialogs::CloseAnswer::Cancel;
    explicit Dialogs(const QString &file) {
        planDialogs().chooseOpen = planDialogs().chooseSave = [this, file](QWidget *, const QString &s) {
            suggested << s;
            return file;
        };
        planDialogs().askOnClose = [this](QWidget *, const QString &) {
            ++questions;
            return answer;
        };
    }
    ~Dialogs() { planDialogs() = saved; }
};

void trigger(QWidget *root, const char *action) {
    QAction *a = named<QAction>(root, QString::fromLatin1(action));
    ASSERT_TRUE(a->isEnabled()) << action;
    a->trigger();
    test::processEvents();
}

void click(QWidget *root, const char *name) {
    QTest::mouseClick(named<QWidget>(root, QString::fromLatin1(name)), Qt::LeftButton);
    test::processEvents();
}

QByteArray fileBytes(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("missing");
}

struct Session {
    test::TestProgram &t;
    MainWindow *main = t.program->mainWindow.get();
    Planner &planner = *t.program->planner;
    UndoHistory &history = *t.program->undoHistory;
    QAction *undo = named<QAction>(main, QStringLiteral("MenuUndo"));
    QAction *redo = named<QAction>(main, QStringLiteral("MenuRedo"));

    int row(Category c, const char *name) const {
        const CategoryTable &table = planner.state().catalogue.table(c);
        for (int r = 1; r < table.rowCount(); ++r)
            if (table.cell(col::Name, r) == u(name)) return r;
        ADD_FAILURE() << name;
        return 0;
    }
    // A picture of the browser clicked, as the player does.
    void clickInBrowser(Category c, const char *name) {
        const int tab = *catalogueTabOf(c);
        CatalogueGrid *grid = t.program->browser->grid(tab);
        QTest::mouseClick(grid, Qt::LeftButton, {}, grid->pictureRect(row(c, name)).center());
        test::processEvents();
    }
};

TEST(PlanMenu, EveryChangeMadeInAWindowIsOneStepThatUndoesAndRedoesExactly) {
    START_ON_SAMPLE(t);
    Session s{*t};
    s.planner.setRequirementCheckOn(false);
    MainWindow *main = s.main;

    // Each action as the player takes it, and what the undo entry then says.
    struct Step {
        const char *undoCaption;
        std::function<void()> act;
    };
    const auto preset = [&] {
        findMenuEntry(main->menuBar(), {u("Одеть комплект"), u("Для уворотов"), u("Комплект хитрости"), u("Кинжал")})
            ->trigger();
        test::processEvents();
    };
    const auto enterCharacter = [&] {
        trigger(main, "MenuEnterCharacter");
        named<QLineEdit>(main, QStringLiteral("Edit1"))->setText(u("8"));
        named<QLineEdit>(main, QStringLiteral("Edit2"))->setText(u("3"));
        click(main, "Button_ok");
    };
    const auto forge = [&] {
        trigger(main, "N211");
        auto *window = named<ForgeWindow>(main, QStringLiteral("TFormKuzn"));
        click(window, "PButton_Bron");
        click(window, "Image4");
    };
    const auto putOnCustomHelmet = [&] {
        trigger(main, "N8");
        auto *list = named<ItemListWindow>(main, QStringLiteral("TForm_My_Object"));
        auto *grid = named<QTableWidget>(list, QStringLiteral("StringGrid1"));
        for (int r = 0; r < grid->rowCount(); ++r)
            if (grid->item(r, 0)->text() == u("Шлем стража")) list->selectCell(0, r + 1);
        trigger(list, "N1");
        named<QPushButton>(named<ItemCardWindow>(main, QStringLiteral("TForm20")), QStringLiteral("SpeedButton2"))
            ->click();
        test::processEvents();
    };
    const std::vector<Step> steps = {
        {"Ввести данные", enterCharacter},
        {"+ Сила", [&] { click(main, "PButton_Sila"); }},
        {"− Сила", [&] { click(main, "MButton_Sila"); }},
        {"Комплект хитрости: Кинжал", preset},
        {"Снять «Кулон хитрости»", [&] { click(main, "Image_kulon"); }},
        {"Надеть «Кулон хитрости»", [&] { s.clickInBrowser(Category::Pendants, "Кулон хитрости"); }},
        {"Чаровать «Шлем хитрости»: Слабые чары брони (+5)", [&] { trigger(main, "N515"); }},
        {"Ковать «Шлем хитрости»", forge},
        {"Надеть «Шлем стража»", putOnCustomHelmet},
        {"Снять все предметы", [&] { trigger(main, "N21"); }},
    };
    EXPECT_FALSE(s.undo->isEnabled());
    EXPECT_EQ(s.undo->text(), u("Отменить"));
    for (const Step &step : steps) {
        const PlannerState before = s.planner.state();
        const int count = s.history.undoCount();
        step.act();
        const PlannerState after = s.planner.state();
        EXPECT_EQ(s.history.undoCount(), count + 1) << step.undoCaption;
        EXPECT_FALSE(s.history.hasUnrecordedChange()) << step.undoCaption << " went past the history";
        EXPECT_EQ(s.undo->text(), u("Отменить: ") + u(step.undoCaption));
        trigger(main, "MenuUndo");
        EXPECT_TRUE(sameCharacterAndOutfit(s.planner.state(), before))
            << step.undoCaption << ": " << test::firstDifference(s.planner.state(), before);
        EXPECT_EQ(s.redo->text(), u("Повторить: ") + u(step.undoCaption));
        trigger(main, "MenuRedo");
        EXPECT_TRUE(sameCharacterAndOutfit(s.planner.state(), after)) << step.undoCaption;
    }
    EXPECT_FALSE(s.redo->isEnabled());
    EXPECT_EQ(s.redo->text(), u("Повторить"));

    // The window shows an undone state at once: the helmet is back on its slot.
    trigger(main, "MenuUndo");
    EXPECT_FALSE(named<QLabel>(main, QStringLiteral("Image_helmet"))->pixmap().isNull());
    EXPECT_EQ(named<QLabel>(main, QStringLiteral("LBronGolova"))->text(),
              s.planner.state().sheet.text(Lbl::LBronGolova));
    EXPECT_EQ(main->windowTitle(), u(".:: Вельдора :: By Morvessa ::.")) << "no plan, no other title";
    // Undoing "Ok" brings back the entry the character had, also in the fields.
    while (s.history.undoLabel() != u("Ввести данные")) s.history.undo();
    s.history.undo();
    EXPECT_EQ(named<QLineEdit>(main, QStringLiteral("Edit1"))->text(), u("1"));
}

TEST(PlanMenu, TheKeysUndoThePlannerUnlessATextFieldHasTheKeyboard) {
    START_ON_SAMPLE(t);
    Session s{*t};
    // The entries end "Персонаж" after a separator.
    const QList<QAction *> entries = named<QMenu>(s.main, QStringLiteral("MenuCharacter"))->actions();
    QStringList names;
    for (qsizetype i = entries.size() - 5; i < entries.size(); ++i) names << entries[i]->objectName();
    EXPECT_TRUE(entries[entries.size() - 5]->isSeparator());
    EXPECT_EQ(names, (QStringList{QString(), u("MenuUndo"), u("MenuRedo"), u("MenuSavePlan"), u("MenuOpenPlan")}));
    EXPECT_EQ(s.redo->shortcuts(), (QList<QKeySequence>{QKeySequence(u("Ctrl+Y")), QKeySequence(u("Ctrl+Shift+Z"))}));
    EXPECT_EQ(named<QAction>(s.main, QStringLiteral("MenuOpenPlan"))->shortcut(), QKeySequence(u("Ctrl+O")));

    s.planner.setRequirementCheckOn(false);
    s.clickInBrowser(Category::Helmets, "Шлем хитрости");
    s.clickInBrowser(Category::Pendants, "Кулон хитрости");
    ASSERT_EQ(s.history.undoCount(), 2);
    s.main->activateWindow();
    QTest::keyClick(s.main, Qt::Key_N, Qt::ControlModifier);  // the entry panel takes the keyboard
    test::processEvents();
    auto *level = named<QLineEdit>(s.main, QStringLiteral("Edit1"));
    ASSERT_TRUE(level->hasFocus());
    QTest::keyClicks(level, u("12"));
    QTest::keyClick(level, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(level->text(), u("1")) << "the field's own undo";
    QTest::keyClick(level, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(level, Qt::Key_Y, Qt::ControlModifier);
    QTest::keyClick(level, Qt::Key_Home);
    QTest::keyClick(level, Qt::Key_Delete);
    test::processEvents();
    EXPECT_EQ(s.history.undoCount(), 2);
    EXPECT_EQ(s.history.redoCount(), 0);
    EXPECT_NE(s.planner.state().slot(Slot::Helmet).row, 0) << "Del in a field is no \"Снять все предметы\"";

    click(s.main, "Image4");  // the panel closes; the keys are the menu's again
    s.main->setFocus();
    QTest::keyClick(s.main, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(s.planner.state().slot(Slot::Pendant).row, 0);
    QTest::keyClick(s.main, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_NE(s.planner.state().slot(Slot::Pendant).row, 0);
    QTest::keyClick(s.main, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(s.main, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_NE(s.planner.state().slot(Slot::Pendant).row, 0);
}

TEST(PlanMenu, APlanIsSavedAndOpenedTheTitleNamesItAndClosingAsksOnceAboutChanges) {
    START_ON_SAMPLE(t);
    Session s{*t};
    const QString path = t->folder + QStringLiteral("/../Уклонист.json");
    const QByteArray ini = fileBytes(t->folder + QStringLiteral("/ini.ini"));
    Dialogs dialogs(path);
    s.planner.setRequirementCheckOn(false);
    s.clickInBrowser(Category::Helmets, "Шлем хитрости");
    trigger(s.main, "N515");
    EXPECT_TRUE(s.main->close()) << "no plan: nothing to ask";
    s.main->show();

    trigger(s.main, "MenuSavePlan");
    EXPECT_EQ(dialogs.suggested, QStringList{t->folder + u("/План.json")}) << "a new plan starts in the program folder";
    const PlannerState saved = s.planner.state();
    EXPECT_EQ(s.main->windowTitle(), u("Уклонист[*] — .:: Вельдора :: By Morvessa ::."));
    EXPECT_FALSE(s.main->isWindowModified());
    EXPECT_EQ(openUserSettings()->value(u("plans/folder")).toString(), QFileInfo(path).absolutePath());
    s.clickInBrowser(Category::Pendants, "Кулон хитрости");
    EXPECT_TRUE(s.main->isWindowModified());
    s.history.undo();
    EXPECT_FALSE(s.main->isWindowModified()) << "undo led back to the saved plan";

    trigger(s.main, "N21");
    trigger(s.main, "MenuEnterCharacter");
    named<QLineEdit>(s.main, QStringLiteral("Edit1"))->setText(u("30"));
    click(s.main, "Button_ok");
    trigger(s.main, "MenuOpenPlan");
    EXPECT_EQ(dialogs.suggested.last(), path);
    EXPECT_TRUE(sameCharacterAndOutfit(s.planner.state(), saved)) << test::firstDifference(s.planner.state(), saved);
    EXPECT_EQ(named<QLineEdit>(s.main, QStringLiteral("Edit1"))->text(), u("1")) << "the fields show the plan's entry";
    EXPECT_FALSE(s.main->isWindowModified());
    EXPECT_EQ(s.undo->text(), u("Отменить: Открыть план «Уклонист»"));
    EXPECT_EQ(fileBytes(t->folder + QStringLiteral("/ini.ini")), ini) << "ini.ini keeps its two bytes";

    // Closing: unchanged, nothing is asked; changed, "Отмена" keeps the window,
    // "Сохранить" saves on the way out, and the question is not asked again.
    EXPECT_TRUE(s.main->close());
    s.main->show();
    click(s.main, "Image_helmet");
    EXPECT_FALSE(s.main->close());
    EXPECT_TRUE(s.main->isVisible());
    dialogs.answer = PlanDialogs::CloseAnswer::Save;
    EXPECT_TRUE(s.main->close());
    EXPECT_EQ(dialogs.questions, 2);
    EXPECT_EQ(std::get<Plan>(loadPlanFile(path)), planOf(s.planner.state()));
    s.main->show();
    s.clickInBrowser(Category::Helmets, "Шлем хитрости");
    ASSERT_FALSE(s.history.isClean());
    EXPECT_TRUE(s.main->close());
    EXPECT_EQ(dialogs.questions, 2);
}

}  // namespace
}  // namespace veldora
