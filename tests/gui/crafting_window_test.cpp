#include "GuiTestSupport.h"

#include "app/CatalogueTabs.h"
#include "app/MainWindow.h"
#include "app/Planner.h"
#include "crafting/Enchanting.h"
#include "crafting/ForgeWindow.h"
#include "equipment/ItemEffects.h"
#include "views/InfoPanel.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <gtest/gtest.h>

namespace veldora {
namespace {

using test::named;

QString text(QWidget *root, const char *label) { return named<QLabel>(root, QString::fromLatin1(label))->text(); }

void click(QWidget *root, const char *picture) {
    QTest::mouseClick(named<QWidget>(root, QString::fromLatin1(picture)), Qt::LeftButton);
    test::processEvents();
}

void trigger(MainWindow *main, const char *entry) {
    QAction *a = main->menuEntry(entry);
    ASSERT_NE(a, nullptr) << entry;
    a->trigger();
    test::processEvents();
}

// Puts the sample item of that name on, as the browser would, with the
// requirement check off so that a fresh character can wear it.
int wear(test::TestProgram &t, Category category, const QString &name) {
    Planner &planner = *t.program->planner;
    const CategoryTable &table = planner.state().catalogue.table(category);
    int row = 1;
    while (row < table.rowCount() && table.cell(col::Name, row) != name) ++row;
    EXPECT_LT(row, table.rowCount()) << name.toStdString();
    planner.setRequirementCheckOn(false);
    planner.clickCatalogueItem(*catalogueTabOf(category), row);
    t.program->mainWindow->syncFromPlanner();
    return row;
}

TEST(ForgeWindow, APlayerForgesTheWornHelmetWhileTheMainWindowStaysInUse) {
    START_ON_SAMPLE(t);
    MainWindow *main = t->program->mainWindow.get();
    const int row = wear(*t, Category::Helmets, QStringLiteral("Шлем хитрости"));
    const QString armour = text(main, "LBronGolova");

    auto *forge = named<ForgeWindow>(main, QStringLiteral("TFormKuzn"));
    EXPECT_FALSE(forge->isVisible()) << "created hidden at start-up";
    trigger(main, "N211");
    ASSERT_TRUE(forge->isVisible());
    EXPECT_FALSE(forge->isModal());
    EXPECT_TRUE(main->isEnabled());
    EXPECT_EQ(forge->windowTitle(), QStringLiteral("Ковка предмета - Шлем хитрости"));
    EXPECT_EQ(text(forge, "LabelResCount"), QStringLiteral("5"));
    EXPECT_EQ(text(forge, "Label_count_kovka"), QStringLiteral("0"));
    EXPECT_EQ(text(forge, "Label_BronGolova_Value"), QStringLiteral("4"));
    EXPECT_EQ(text(forge, "Label9"), QStringLiteral("Рубины"));
    EXPECT_FALSE(named<QLabel>(forge, QStringLiteral("Image1"))->pixmap().isNull());
    EXPECT_FALSE(named<QWidget>(forge, QStringLiteral("MButton_Bron"))->isVisible());
    EXPECT_FALSE(named<QWidget>(forge, QStringLiteral("PButton_Weapon"))->isEnabled()) << "a helmet has no damage";

    for (int i = 0; i < 3; ++i) click(forge, "PButton_Bron");
    click(forge, "PButton_Weapon");  // disabled: no reaction
    EXPECT_EQ(text(forge, "Label_BronGolova_Add"), QStringLiteral("+6"));
    EXPECT_EQ(text(forge, "Label_Min_Add"), QStringLiteral("+0"));
    EXPECT_EQ(text(forge, "LabelResCount"), QStringLiteral("2"));
    EXPECT_TRUE(named<QWidget>(forge, QStringLiteral("MButton_Bron"))->isVisible());

    click(forge, "Image2");
    ASSERT_EQ(t->messages.messages.size(), 1);
    EXPECT_TRUE(t->messages.messages.front().startsWith(QStringLiteral("1 - Требования не поднимаются...")));

    click(forge, "Image4");
    EXPECT_EQ(t->messages.messages.back(), QString::fromUtf8(kForgedMessage));
    EXPECT_FALSE(forge->isVisible());
    EXPECT_GT(t->program->planner->state().slot(Slot::Helmet).row, row);
    EXPECT_EQ(text(main, "LBronGolova"), QString::number(armour.toInt() + 6));

    test::hover(main->slotPicture(Slot::Helmet), QPoint(5, 5));
    EXPECT_TRUE(text(main->infoPanel(), "Label_info4").contains(QStringLiteral("Предмет закован: х1")));
}

TEST(ForgeWindow, AWornPictureThatIsNoPictureShowsTheSlotsFallback) {
    START_ON_SAMPLE(t);
    MainWindow *main = t->program->mainWindow.get();
    const QString name = QStringLiteral("Шлем хитрости");
    const CategoryTable &table = t->program->planner->state().catalogue.table(Category::Helmets);
    int row = 1;
    while (row < table.rowCount() && table.cell(col::Name, row) != name) ++row;
    QFile picture(itemPicturePath(t->folder, table.cell(col::File, row)));
    ASSERT_TRUE(picture.open(QIODevice::WriteOnly | QIODevice::Truncate));
    picture.write("no picture");
    picture.close();
    wear(*t, Category::Helmets, name);

    trigger(main, "N211");
    auto *forge = named<ForgeWindow>(main, QStringLiteral("TFormKuzn"));
    const QPixmap forged = named<QLabel>(forge, QStringLiteral("Image1"))->pixmap();
    ASSERT_FALSE(forged.isNull());
    EXPECT_EQ(forged.toImage(), main->slotPicture(Slot::Helmet)->pixmap().toImage());
}

TEST(CraftingMenus, EnchantingIsBuiltFromTheTableAndAnEntryEnchantsTheWornItem) {
    START_ON_SAMPLE(t);
    MainWindow *main = t->program->mainWindow.get();
    QMenu *enchant = main->menu("MenuEnchant");
    ASSERT_NE(enchant, nullptr);
    int submenus = 0, separators = 0;
    for (QAction *a : enchant->actions()) {
        submenus += a->menu() != nullptr;
        separators += a->isSeparator();
    }
    EXPECT_EQ(submenus, 20);
    EXPECT_EQ(separators, 3);
    EXPECT_EQ(main->menuEntry("N1011")->text(), QStringLiteral("Средние чары брони (+10)"));
    EXPECT_FALSE(main->menuEntry("N256")->isEnabled());
    EXPECT_EQ(main->menuEntry("N1112")->text(), QStringLiteral("Слабые чары мастерства  (+1)"));

    trigger(main, "N1011");
    EXPECT_EQ(t->messages.messages, QStringList{QString::fromUtf8(kNotWornMessage)});

    wear(*t, Category::Helmets, QStringLiteral("Шлем ангела"));  // level 12, head armour 11
    const int armour = text(main, "LBronGolova").toInt();
    trigger(main, "N1510");
    trigger(main, "N1011");
    EXPECT_EQ(t->messages.messages.mid(1), (QStringList{QString::fromUtf8(kLevelTooLowMessage),
                                                        QString::fromUtf8(kEnchantedMessage)}));
    EXPECT_EQ(text(main, "LBronGolova").toInt(), armour + 10);
}

}  // namespace
}  // namespace veldora
