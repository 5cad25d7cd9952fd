#include "app/CatalogueTabs.h"
#include "catalogue/ProgramFiles.h"
#include "crafting/Enchanting.h"
#include "crafting/Forge.h"
#include "customitems/EquipCustomItem.h"
#include "support/PlannerFixtures.h"
#include "views/ItemInfoText.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace veldora;
using namespace veldora::test;

namespace {

// A record as the creation window writes it, then the given inputs.
CustomItemRecord record(const QString &name, std::initializer_list<std::pair<const char *, const char *>> inputs = {}) {
    CustomItemRecord r;
    for (int i = 0; i < kCustomItemFieldCount; ++i) {
        const CustomItemField &f = kCustomItemFields[i];
        if (f.kind == FieldKind::Flag)
            r.setFlag(i, f.defaultText[0] == '1');
        else
            r.setText(i, QString::fromUtf8(f.defaultText));
    }
    r.setText(field::Name, name);
    r.setText(field::Picture, QStringLiteral("DataObject\\img\\") + name + QStringLiteral(".jpg"));
    for (const auto &[input, text] : inputs) r.setText(*fieldByInput(QString::fromLatin1(input)), QString::fromUtf8(text));
    return r;
}

// The state with what the catalogue now holds, for comparing around appended rows.
PlannerState withCatalogueOf(PlannerState s, const PlannerState &other) {
    s.catalogue = other.catalogue;
    return s;
}

}  // namespace

TEST(EquipCustomItem, AHighLevelHelmetGoesOnWithTheCheckOnAndComesOffLeavingEverythingAsBefore) {
    CatalogueBuilder b;
    const int cap = b.add(Category::Helmets, QStringLiteral("Шапка"));
    PlannerFixture f(b.catalogue);
    f.planner.setRequirementCheckOn(true);
    // Once worn and taken off, so that the worn sets have been counted as they are after any take-off.
    f.planner.clickCatalogueItem(*catalogueTabOf(Category::Helmets), cap);
    f.planner.clickSlot(Slot::Helmet);
    const PlannerState before = f.state();

    const CustomItemRecord helmet =
        record(QStringLiteral("Шлем стража"), {{"EditBronGolovi", "50"}, {"EditTrebLvl", "20"}, {"EditSila", "4"},
                                               {"EditMagicFire", "2"}, {"EditAuraSun", "1"}, {"EditWeaponKopya", "9"},
                                               {"LabeledEditCost", "12"}, {"LabeledEditMassa", "3"}});
    ASSERT_TRUE(putOnCustomItem(f.planner, helmet, QStringLiteral("Шлем стража"), QStringLiteral("Шлемы")));
    EXPECT_TRUE(f.messages.shown.isEmpty()) << f.messages.shown.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(f.row(Slot::Helmet), 2) << "appended after the one catalogue helmet";
    EXPECT_EQ(f.state().slot(Slot::Helmet).setName, QStringLiteral("Нет"));
    EXPECT_EQ(f.state().requirements.cell(1, 1), QStringLiteral("20"));
    EXPECT_EQ(f.value(Lbl::LBronGolova), 50);
    EXPECT_EQ(f.value(Lbl::LAddStat_sila), 4);
    EXPECT_EQ(f.value(Lbl::LAddMagic_fire), 2);
    EXPECT_EQ(f.value(Lbl::LAuraSun), 1);
    EXPECT_EQ(f.text(Lbl::LMoneti), QStringLiteral("12"));
    EXPECT_EQ(f.text(Lbl::LabelMassa), QStringLiteral("3"));
    EXPECT_EQ(f.text(Lbl::LTreb_Lvl), QStringLiteral("20"));
    EXPECT_EQ(f.state().slot(Slot::Helmet).picture, QStringLiteral("/nonexistent/img/no_image.bmp"));

    // The row reads like a catalogue row: each field in its column, "0" elsewhere.
    const CategoryTable &helmets = f.state().catalogue.table(Category::Helmets);
    EXPECT_EQ(helmets.cell(0, 2), QString());
    EXPECT_EQ(helmets.cell(col::Name, 2), QStringLiteral("Шлем стража"));
    EXPECT_EQ(helmets.cell(col::Price, 2), QStringLiteral("м12"));
    EXPECT_EQ(helmets.cell(col::Durability, 2), QStringLiteral("0/0"));
    EXPECT_EQ(helmets.cell(col::File, 2), QStringLiteral("DataObject\\img\\Шлем стража.jpg"));
    EXPECT_EQ(helmets.cell(68, 2), QStringLiteral("9")) << "spear mastery";
    EXPECT_EQ(helmets.cell(74, 2), QStringLiteral("2")) << "fire magic";
    for (int c : {4, 5, 59, 60, 61, 104, 105, 117, 125, 126, 127, 135}) EXPECT_EQ(helmets.cell(c, 2), QStringLiteral("0")) << c;
    const ItemInfoText info = buildItemInfo(helmets, 2, InfoSource::WornItem);
    for (const QString &line : {QStringLiteral("Артефакт"), QStringLiteral("Второе оружие"), QStringLiteral("Двуручное")})
        EXPECT_FALSE(info.features.contains(line) || info.action.contains(line) || info.head.contains(line))
            << line.toStdString();

    f.planner.clickSlot(Slot::Helmet);
    const PlannerState expected = withCatalogueOf(before, f.state());
    EXPECT_EQ(f.state(), expected) << firstDifference(f.state(), expected);
}

TEST(EquipCustomItem, ANumberThatDoesNotReadRefusesTheItemWholeAndNamesTheField) {
    CatalogueBuilder b;
    const int cap = b.add(Category::Helmets, QStringLiteral("Шапка"), {{27, QStringLiteral("3")}});
    PlannerFixture f(b.catalogue);
    f.planner.clickCatalogueItem(*catalogueTabOf(Category::Helmets), cap);
    const PlannerState before = f.state();

    const auto refused = [&](const CustomItemRecord &r) {
        f.messages.shown.clear();
        EXPECT_FALSE(putOnCustomItem(f.planner, r, QStringLiteral("Шлем"), QStringLiteral("Шлемы")));
        EXPECT_EQ(f.state(), before) << firstDifference(f.state(), before);
        return f.messages.shown.value(0);
    };
    EXPECT_EQ(refused(record(QStringLiteral("Шлем"), {{"EditCrit", "5a"}})),
              QStringLiteral("Предмет «Шлем» не надет: в поле «Критический удар» группы «Характеристики» записано «5a», "
                             "а не целое число."));
    EXPECT_EQ(refused(record(QStringLiteral("Шлем"), {{"EditTrebSila", ""}})),
              QStringLiteral("Предмет «Шлем» не надет: поле «Сила» группы «Требования» не заполнено."));
    EXPECT_EQ(refused(record(QStringLiteral("Шлем"), {{"LabeledEditCost", "12,5,"}})),
              QStringLiteral("Предмет «Шлем» не надет: в поле «Цена» группы «Остальное...» записано «12,5,», а не число."));
    EXPECT_EQ(refused(record(QString())), QStringLiteral("Предмет «Шлем» не надет: в его файле не записано название."));
    EXPECT_TRUE(putOnCustomItem(f.planner, record(QStringLiteral("Шлем")), QStringLiteral("Шлем"), QStringLiteral("Шлемы")));
}

TEST(EquipCustomItem, AFullTableKeepsTheWornItemOn) {
    CatalogueBuilder b;
    for (int i = 1; i <= CategoryTable::kMaxItemRows; ++i) b.add(Category::Helmets, QStringLiteral("Шапка %1").arg(i));
    PlannerFixture f(b.catalogue);
    f.planner.clickCatalogueItem(*catalogueTabOf(Category::Helmets), 7);
    const PlannerState before = f.state();
    EXPECT_FALSE(putOnCustomItem(f.planner, record(QStringLiteral("Шлем")), QStringLiteral("Шлем"), QStringLiteral("Шлемы")));
    EXPECT_EQ(f.messages.shown,
              QStringList{QStringLiteral("Предмет «Шлем» не надет: в таблице «Шлемы» нет свободной строки.")});
    EXPECT_EQ(f.state(), before);
}

TEST(EquipCustomItem, AWornItemThatCannotComeOffSpendsNoRowOfTheTable) {
    CatalogueBuilder b;
    const int cap = b.add(Category::Helmets, QStringLiteral("Шапка"), {{27, QStringLiteral("3")}});
    PlannerFixture f(b.catalogue);
    f.planner.clickCatalogueItem(*catalogueTabOf(Category::Helmets), cap);
    PlannerState odd = f.state();
    odd.catalogue.table(Category::Helmets).setCell(27, cap, QStringLiteral("три"));
    f.planner.restore(odd);
    const auto freeRow = f.state().catalogue.table(Category::Helmets).firstFreeRow();

    EXPECT_FALSE(putOnCustomItem(f.planner, record(QStringLiteral("Шлем")), QStringLiteral("Шлем"), QStringLiteral("Шлемы")));
    ASSERT_EQ(f.messages.shown.size(), 1);
    EXPECT_TRUE(f.messages.shown[0].startsWith(QStringLiteral("Предмет «Шапка» не снят: ")))
        << f.messages.shown[0].toStdString();
    EXPECT_EQ(f.state().catalogue.table(Category::Helmets).firstFreeRow(), freeRow);
    EXPECT_EQ(f.state(), odd) << firstDifference(f.state(), odd);
}

TEST(EquipCustomItem, RingsAndTalismansFillTheFirstSlotWithoutASetNameUntilAllAreTaken) {
    PlannerFixture f;
    CustomItemRecord ring = record(QStringLiteral("Кольцо"));
    ring.setFlag(field::PartOfSets, true);
    for (const Slot expected : kRingSlots) {
        ASSERT_TRUE(putOnCustomItem(f.planner, ring, QStringLiteral("Кольцо"), QStringLiteral("Кольца")));
        EXPECT_EQ(f.state().slot(expected).setName, QStringLiteral("Да"));
    }
    EXPECT_EQ(f.row(Slot::Ring5), 5) << "each put-on appends a row";
    const PlannerState full = f.state();
    EXPECT_FALSE(putOnCustomItem(f.planner, ring, QStringLiteral("Кольцо"), QStringLiteral("Кольца")));
    EXPECT_EQ(f.messages.shown, QStringList{QStringLiteral("Все слоты для колец заняты.")});
    EXPECT_EQ(f.state(), full);
    f.planner.clickSlot(Slot::Ring3);
    ASSERT_TRUE(putOnCustomItem(f.planner, ring, QStringLiteral("Кольцо"), QStringLiteral("Кольца")));
    EXPECT_EQ(f.row(Slot::Ring3), 6);

    for (int i = 0; i < 5; ++i)
        putOnCustomItem(f.planner, record(QStringLiteral("Талисман")), QStringLiteral("Талисман"), QStringLiteral("Талисманы"));
    f.messages.shown.clear();
    EXPECT_FALSE(putOnCustomItem(f.planner, record(QStringLiteral("Т")), QStringLiteral("Т"), QStringLiteral("Талисманы")));
    EXPECT_FALSE(putOnCustomItem(f.planner, record(QStringLiteral("Т")), QStringLiteral("Т"), QStringLiteral("Эликсиры")));
    EXPECT_EQ(f.messages.shown,
              (QStringList{QStringLiteral("Все слоты для талисманов заняты."),
                           QStringLiteral("Предмет типа «Эликсиры» некуда надеть: такого типа нет среди слотов.")}));
}

TEST(EquipCustomItem, AShieldTakesASecondWeaponOffWithTheWeaponsTable) {
    CatalogueBuilder b;
    const int dagger = b.add(Category::Weapons, QStringLiteral("Кинжал"),
                             {{col::SecondWeapon, QStringLiteral("Да")}, {6, QStringLiteral("7")}});
    b.add(Category::Shields, QStringLiteral("Щит"), {{6, QStringLiteral("100")}});
    PlannerFixture f(b.catalogue);
    f.planner.clickCatalogueItem(tab::Weapons, dagger);
    ASSERT_EQ(f.state().offHandKind, OffHandKind::Dagger);
    ASSERT_EQ(f.value(Lbl::LCrit), 7);

    ASSERT_TRUE(putOnCustomItem(f.planner, record(QStringLiteral("Эгида"), {{"EditCrit", "2"}}), QStringLiteral("Эгида"),
                                QStringLiteral("Щиты")));
    EXPECT_EQ(f.state().offHandKind, OffHandKind::Shield);
    EXPECT_EQ(f.row(Slot::OffHand), 2);
    EXPECT_EQ(f.value(Lbl::LCrit), 2) << "the dagger's 7 went, not the catalogue shield's 100";
    EXPECT_EQ(f.state().catalogue.table(Category::Shields).cell(col::Name, 2), QStringLiteral("Эгида"));
}

TEST(EquipCustomItem, ThePictureIsFoundBelowTheProgramFolderWhateverItsCase) {
    QTemporaryDir dir;
    QDir().mkpath(dir.path() + QStringLiteral("/DataObject/img"));
    QFile picture(dir.path() + QStringLiteral("/DataObject/img/Helm.JPG"));
    ASSERT_TRUE(picture.open(QIODevice::WriteOnly));
    picture.close();
    RecordedMessages messages;
    Planner planner(Catalogue{}, dir.path(), QStringLiteral(","), &messages);

    CustomItemRecord helm = record(QStringLiteral("Шлем"));
    helm.setText(field::Picture, QStringLiteral("dataobject\\IMG\\helm.jpg"));
    ASSERT_TRUE(putOnCustomItem(planner, helm, QStringLiteral("Шлем"), QStringLiteral("Шлемы")));
    EXPECT_EQ(planner.state().slot(Slot::Helmet).picture, dir.path() + QStringLiteral("/DataObject/img/Helm.JPG"));
    EXPECT_EQ(itemPicturePath(dir.path(), QStringLiteral("DataObject\\img\\gone.jpg")),
              dir.path() + QStringLiteral("/img/no_image.bmp"));
}

TEST(EquipCustomItem, ACatalogueRingWithoutASetIsNotReplacedWhileAnotherRingSlotIsFree) {
    CatalogueBuilder b;
    const int plain = b.add(Category::Rings, QStringLiteral("Простое кольцо"), {{6, QStringLiteral("3")}});
    PlannerFixture f(b.catalogue);
    f.planner.clickCatalogueItem(tab::Rings, plain);
    ASSERT_EQ(f.state().slot(Slot::Ring1).setName, QString());
    ASSERT_TRUE(putOnCustomItem(f.planner, record(QStringLiteral("Кольцо")), QStringLiteral("Кольцо"),
                                QStringLiteral("Кольца")));
    EXPECT_EQ(f.row(Slot::Ring1), plain);
    EXPECT_EQ(f.row(Slot::Ring2), plain + 1);
    EXPECT_EQ(f.value(Lbl::LCrit), 3);
}

TEST(EquipCustomItem, ACustomItemForgedThenEnchantedKeepsItsPictureAndGainsBoth) {
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("DataObject/img"));
    QFile picture(dir.path() + QStringLiteral("/DataObject/img/Шлем.JPG"));
    ASSERT_TRUE(picture.open(QIODevice::WriteOnly));
    picture.close();
    forgetFolderListings();
    RecordedMessages messages;
    Planner planner(Catalogue{}, dir.path(), QStringLiteral(","), &messages);
    ASSERT_TRUE(putOnCustomItem(planner, record(QStringLiteral("Шлем"), {{"EditBronGolovi", "5"}, {"EditTrebLvl", "12"}}),
                                QStringLiteral("Шлем"), QStringLiteral("Шлемы")));
    EXPECT_EQ(planner.state().slot(Slot::Helmet).picture, picture.fileName());

    Forge forge;
    ASSERT_TRUE(chooseForgeEntry(planner, forge, kForgeMenu[0]));
    for (int p = 0; p < kForgePairCount; ++p)
        if (QLatin1String(kForgePairs[p].plusButton) == QLatin1String("PButton_Bron")) forge.plus(p);
    ASSERT_EQ(applyForge(planner, forge), ForgeResult::Forged);
    ASSERT_EQ(enchantWornItem(planner, enchantEntry(QStringLiteral("N1011"))->enchantment), EnchantResult::Enchanted);
    EXPECT_EQ(planner.state().sheet.text(Lbl::LBronGolova), QStringLiteral("17"));  // 5 + 2 + 10
    EXPECT_EQ(planner.state().slot(Slot::Helmet).setName, QStringLiteral("Нет"));
    EXPECT_EQ(planner.state().slot(Slot::Helmet).picture, picture.fileName());
}
