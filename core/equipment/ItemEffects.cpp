#include "equipment/ItemEffects.h"

#include "catalogue/ProgramFiles.h"

#include "catalogue/ItemColumns.h"
#include "character/NumberText.h"

#include <QFileInfo>

namespace veldora {

namespace {
constexpr auto D = EffectKind::Decimal;
constexpr auto I = EffectKind::Integer;
constexpr auto T = EffectKind::ItemTotal;
}  // namespace

// clang-format off
const std::array<ItemEffect, kItemEffectCount> kItemEffects = {{
    {104, Lbl::LKO, D}, {96, Lbl::LabelMassa, D},
    {6, Lbl::LCrit, I}, {7, Lbl::LZawOtKrita, I}, {8, Lbl::LUvorot, I}, {9, Lbl::LAntiUvorot, I},
    {10, Lbl::LKontr, I}, {11, Lbl::LZawOtKontr, I}, {12, Lbl::LYarost, I}, {13, Lbl::LPoglotUdar, I},
    {14, Lbl::LProboyBron, I}, {15, Lbl::LUkreplenieBroni, I}, {16, Lbl::LProvornost, I},
    {17, Lbl::LIntensivnost, I}, {18, Lbl::LPoglotAir, I}, {19, Lbl::LPoglotWater, I},
    {20, Lbl::LPoglotFire, I}, {21, Lbl::LPoglotEarth, I}, {22, Lbl::LMoshnost, I},
    {23, Lbl::LCritMoshnost, I}, {24, Lbl::LZawOtMagCrit, I}, {25, Lbl::LMagCrit, I},
    {26, Lbl::LMagUvorot, I}, {95, Lbl::LMagAntiUvorot, I}, {27, Lbl::LBronGolova, I},
    {28, Lbl::LBronTela, I}, {29, Lbl::LBronPoyasa, I}, {30, Lbl::LBronNog, I},
    {31, Lbl::LZawOtMagEarth, I}, {32, Lbl::LZawOtMagFire, I}, {33, Lbl::LZawOtMagWater, I},
    {34, Lbl::LZawOtMagAir, I}, {35, Lbl::LLevelHp, I}, {36, Lbl::LLevelMp, I},
    {37, Lbl::LRegenHp, I}, {38, Lbl::LRegenMp, I}, {39, Lbl::LRegenUstal, I},
    {106, Lbl::LMoveSpeed, I}, {40, Lbl::LMin, I}, {41, Lbl::LMax, I}, {42, Lbl::LRukzak, I},
    {43, Lbl::LBonusOpit, I}, {44, Lbl::LVmestimostPoyasa, I}, {108, Lbl::LZawTravm, I},
    {109, Lbl::LResistSword, I}, {110, Lbl::LResistKnife, I}, {111, Lbl::LResistAxe, I},
    {112, Lbl::LResistDubina, I}, {113, Lbl::LResistEarth, I}, {114, Lbl::LResistFire, I},
    {115, Lbl::LResistWater, I}, {116, Lbl::LResistAir, I}, {119, Lbl::LSearch, I},
    {120, Lbl::LUsilenieEarth, I}, {121, Lbl::LUsilenieFire, I}, {122, Lbl::LUsilenieWater, I},
    {123, Lbl::LUsilenieAir, I}, {124, Lbl::LSoprotStihZaw, I},
    {97, Lbl::LAuraVampir, I}, {98, Lbl::LAuraPoglot, I}, {99, Lbl::LAuraEconom, I},
    {100, Lbl::LAuraOtveta, I}, {101, Lbl::LAuraChaos, I}, {102, Lbl::LAuraStihZaw, I},
    {103, Lbl::LAuraSun, I}, {107, Lbl::LAuraZaw, I},
    {45, Lbl::LAddStat_sila, T}, {46, Lbl::LAddStat_lovkost, T}, {47, Lbl::LAddStat_intuiciya, T},
    {48, Lbl::LAddStat_intel, T}, {49, Lbl::LAddStat_harizma, T}, {50, Lbl::LAddStat_uda4a, T},
    {63, Lbl::LAddVlad_Knife, T}, {64, Lbl::LAddVlad_sword, T}, {65, Lbl::LAddVlad_axe, T},
    {66, Lbl::LAddVlad_dubina, T}, {67, Lbl::LAddVlad_posoh, T},
    {69, Lbl::LAddMagic_Obw, T}, {70, Lbl::LAddMagic_dark, T}, {71, Lbl::LAddMagic_light, T},
    {72, Lbl::LAddMagic_chaos, T}, {73, Lbl::LAddMagic_earth, T}, {74, Lbl::LAddMagic_fire, T},
    {75, Lbl::LAddMagic_water, T}, {76, Lbl::LAddMagic_air, T}, {77, Lbl::LAddMagic_metall, T},
    {78, Lbl::LAddMagic_time, T}, {79, Lbl::LAddMagic_prostranstvo, T}, {80, Lbl::LAddMagic_fiz, T},
    {81, Lbl::LAddMagic_mental, T},
}};
// clang-format on

const std::array<int, kItemEffectCount> &effectPointRows() {
    static const std::array<int, kItemEffectCount> rows = [] {
        std::array<int, kItemEffectCount> r{};
        for (int e = 0; e < kItemEffectCount; ++e) {
            r[e] = -1;
            for (int p = 0; p < kPointRowCount; ++p)
                if (kPointRows[p].items == kItemEffects[e].label) r[e] = p;
        }
        return r;
    }();
    return rows;
}

std::variant<ItemValues, ItemFault> readItem(const CategoryTable &table, int row) {
    ItemValues v;
    v.name = table.cell(col::Name, row);

    const QString &price = table.cellRef(col::Price, row);
    if (price.startsWith(QStringLiteral("м")))
        v.currency = Currency::Coins;
    else if (price.startsWith(QStringLiteral("з")))
        v.currency = Currency::Gold;
    if (v.currency != Currency::None) {
        const auto amount = parseDecimal(price.mid(1));
        if (!amount) return ItemFault{col::Price, price};
        v.price = *amount;
    }

    for (int e = 0; e < kItemEffectCount; ++e) {
        const ItemEffect &effect = kItemEffects[e];
        const QString &cell = table.cellRef(effect.column, row);
        if (effect.kind == EffectKind::Decimal) {
            const auto d = parseDecimal(cell);
            if (!d) return ItemFault{effect.column, cell};
            v.amounts[e] = *d;
        } else {
            const auto n = parseInt32(cell);
            if (!n) return ItemFault{effect.column, cell};
            v.amounts[e] = *n;
        }
    }

    for (const RequirementColumn &c : kRequirementColumns) {
        if (c.itemColumn == 0) continue;
        const QString &cell = table.cellRef(c.itemColumn, row);
        const auto n = parseInt32(cell);
        if (!n) return ItemFault{c.itemColumn, cell};
        v.requirements[c.column] = *n;
    }
    return v;
}

QString itemFaultReason(const ItemFault &fault, bool wholeNumber) {
    const QString field = itemColumnName(fault.column);
    if (fault.text.trimmed().isEmpty()) return QStringLiteral("поле «%1» не заполнено").arg(field);
    return QStringLiteral("в поле «%1» записано «%2», а не %3")
        .arg(field, fault.text, wholeNumber ? QStringLiteral("целое число") : QStringLiteral("число"));
}

QString itemRefusal(const QString &itemName, const QString &refusal, const QString &reason) {
    return QStringLiteral("Предмет «%1» %2: %3.").arg(itemName, refusal, reason);
}

QString itemFaultMessage(const QString &itemName, const ItemFault &fault) {
    return itemRefusal(itemName, QStringLiteral("не надет"), itemFaultReason(fault));
}

void applyItemValues(CharacterSheet &sheet, ItemBonusTotals &totals, const ItemValues &item, int sign) {
    if (item.currency == Currency::Coins) sheet.addDecimal(Lbl::LMoneti, sign * item.price);
    if (item.currency == Currency::Gold) sheet.addDecimal(Lbl::LZoloto, sign * item.price);

    const auto &pointRows = effectPointRows();
    for (int e = 0; e < kItemEffectCount; ++e) {
        const ItemEffect &effect = kItemEffects[e];
        const double amount = item.amounts[e];
        switch (effect.kind) {
        case EffectKind::Decimal:
            if (amount != 0) sheet.addDecimal(effect.label, sign * amount);
            break;
        case EffectKind::Integer:
            sheet.setValue(effect.label, sheet.value(effect.label) + sign * static_cast<qint64>(amount));
            break;
        case EffectKind::ItemTotal: {
            qint64 &total = totals.values[pointRows[e]];
            total += sign * static_cast<qint64>(amount);
            sheet.setValue(effect.label, total);
            break;
        }
        }
    }
}

QString itemPicturePath(const QString &programFolder, const QString &file) {
    // Names written for the original platform may use backslashes and another
    // letter case, the folder img itself included.
    const QString stored = QStringLiteral("img/") + file;
    if (!file.isEmpty() && storedFileExists(programFolder, stored)) return resolveStoredPath(programFolder, stored);
    // Custom items (and their forged or enchanted copies) store their picture
    // relative to the program folder itself: "DataObject\img\...".
    if (storedFileExists(programFolder, file)) return resolveStoredPath(programFolder, file);
    return resolveStoredPath(programFolder, QStringLiteral("img/no_image.bmp"));
}

}  // namespace veldora
