#include "views/ItemInfoText.h"

#include <array>

namespace veldora {

namespace {

enum class Show {
    Always,
    UnlessZero,         // hidden when the cell is "0"
    UnlessNoOrZero,     // hidden when the cell is "Нет", "нет" or "0"
    UnlessNoOrNoFull,   // hidden when the cell is "Нет", "нет" or "NoFull"
    OnlySex,            // shown only when the cell is "М" or "Ж"
    OnlyOne,            // shown only when the cell is "1"
    Price,              // always, the cell rendered as a price
};

struct InfoLine {
    int column;
    const char *prefix;
    const char *suffix;
    Show show;
    bool withCell;  // false: the line is the fixed prefix alone
    bool wornOnly = false;
};

const InfoLine kHeadLines[] = {
    {col::Price, "Стоимость: ", "", Show::Price, true},
    {col::KO, "Квестовых очков: ", "", Show::UnlessZero, true},
    {col::Mass, "Масса: ", "", Show::Always, true},
    {col::Durability, "Долговечность: ", "", Show::Always, true},
    {col::Lifetime, "Время жизни: ", "часов", Show::UnlessZero, true},
};

const InfoLine kActionLines[] = {
    {40, "Минимальный удар: ", "", Show::UnlessZero, true},
    {41, "Максимальный удар: ", "", Show::UnlessZero, true},
    {45, "Сила: ", "", Show::UnlessZero, true},
    {46, "Ловкость: ", "", Show::UnlessZero, true},
    {47, "Интуиция: ", "", Show::UnlessZero, true},
    {48, "Интеллект: ", "", Show::UnlessZero, true},
    {49, "Харизма: ", "", Show::UnlessZero, true},
    {50, "Удача: ", "", Show::UnlessZero, true},
    {6, "Критический удар: ", "", Show::UnlessZero, true},
    {7, "Защита от критического удара: ", "", Show::UnlessZero, true},
    {8, "Уворот: ", "", Show::UnlessZero, true},
    {9, "Противоуворот: ", "", Show::UnlessZero, true},
    {10, "Контрудар: ", "", Show::UnlessZero, true},
    {11, "Защита от контрудара: ", "", Show::UnlessZero, true},
    {12, "Ярость (%): ", "", Show::UnlessZero, true},
    {13, "Поглощение удара (%): ", "", Show::UnlessZero, true},
    {14, "Пробой брони (%): ", "", Show::UnlessZero, true},
    {15, "Укрепление брони (%): ", "", Show::UnlessZero, true},
    {16, "Проворность (%): ", "", Show::UnlessZero, true},
    {17, "Интенсивность (%): ", "", Show::UnlessZero, true},
    {18, "Поглощение воздуха (%): ", "", Show::UnlessZero, true},
    {19, "Поглощение воды (%): ", "", Show::UnlessZero, true},
    {20, "Поглощение огня (%): ", "", Show::UnlessZero, true},
    {21, "Поглощение земли (%): ", "", Show::UnlessZero, true},
    {22, "Мощность (%): ", "", Show::UnlessZero, true},
    {23, "Критическая мощность (%): ", "", Show::UnlessZero, true},
    {24, "Защита от магического критического удара: ", "", Show::UnlessZero, true},
    {25, "Магический критический удар: ", "", Show::UnlessZero, true},
    {95, "Магический противоуворот: ", "", Show::UnlessZero, true},
    {26, "Магический уворот: ", "", Show::UnlessZero, true},
    {27, "Броня головы: ", "", Show::UnlessZero, true},
    {28, "Броня тела: ", "", Show::UnlessZero, true},
    {29, "Броня пояса: ", "", Show::UnlessZero, true},
    {30, "Броня ног: ", "", Show::UnlessZero, true},
    {31, "Защита от магии земли: ", "", Show::UnlessZero, true},
    {32, "Защита от магии огня: ", "", Show::UnlessZero, true},
    {33, "Защита от магии воды: ", "", Show::UnlessZero, true},
    {34, "Защита от магии воздуха: ", "", Show::UnlessZero, true},
    {35, "Уровень здоровья: ", "", Show::UnlessZero, true},
    {36, "Уровень маны: ", "", Show::UnlessZero, true},
    {37, "Скорость восполнения здоровья (%): ", "", Show::UnlessZero, true},
    {38, "Скорость восполнения маны (%): ", "", Show::UnlessZero, true},
    {39, "Скорость уменьшения усталости (%): ", "", Show::UnlessZero, true},
    {119, "Поиск (%): ", "", Show::UnlessZero, true},
    {42, "Изменение размеров рюкзака: ", "", Show::UnlessZero, true},
    {43, "Дополнительный опыт (%): ", "", Show::UnlessZero, true},
    {44, "Вместимость пояса: ", "", Show::UnlessZero, true},
    {108, "Защита от травм (%): ", "", Show::UnlessZero, true},
    {110, "Сопротивление ножам (%): ", "", Show::UnlessZero, true},
    {109, "Сопротивление мечам (%): ", "", Show::UnlessZero, true},
    {111, "Сопротивление топорам (%): ", "", Show::UnlessZero, true},
    {112, "Сопротивление дубинам (%): ", "", Show::UnlessZero, true},
    {113, "Сопротивление земле (%): ", "", Show::UnlessZero, true},
    {114, "Сопротивление огню (%): ", "", Show::UnlessZero, true},
    {115, "Сопротивление воде (%): ", "", Show::UnlessZero, true},
    {116, "Сопротивление воздуху (%): ", "", Show::UnlessZero, true},
    {124, "Сопротивление стихийной защите (%): ", "", Show::UnlessZero, true},
    {135, "Стихийный пробой (%): ", "", Show::UnlessZero, true},
    {120, "Усиление земли (%): ", "", Show::UnlessZero, true},
    {121, "Усиление огня (%): ", "", Show::UnlessZero, true},
    {122, "Усиление воды (%): ", "", Show::UnlessZero, true},
    {123, "Усиление воздуха (%): ", "", Show::UnlessZero, true},
    {131, "Мощность урона ножом(%): ", "", Show::UnlessZero, true},
    {132, "Мощность урона мечем (%): ", "", Show::UnlessZero, true},
    {133, "Мощность урона топором (%): ", "", Show::UnlessZero, true},
    {134, "Мощность урона молотом (%): ", "", Show::UnlessZero, true},
    {63, "Владение ножами: ", "", Show::UnlessZero, true},
    {64, "Владение мечами: ", "", Show::UnlessZero, true},
    {65, "Владение топорами: ", "", Show::UnlessZero, true},
    {66, "Владение дубинами: ", "", Show::UnlessZero, true},
    {67, "Владение посохами: ", "", Show::UnlessZero, true},
    {68, "Владение копьями: ", "", Show::UnlessZero, true},
    {69, "Магия общая:", "", Show::UnlessZero, true},
    {70, "Магия тьмы: ", "", Show::UnlessZero, true},
    {71, "Магия света: ", "", Show::UnlessZero, true},
    {72, "Магия хаоса: ", "", Show::UnlessZero, true},
    {73, "Магия земли: ", "", Show::UnlessZero, true},
    {74, "Магия огня: ", "", Show::UnlessZero, true},
    {75, "Магия воды: ", "", Show::UnlessZero, true},
    {76, "Магия воздуха: ", "", Show::UnlessZero, true},
    {77, "Магия металла: ", "", Show::UnlessZero, true},
    {78, "Магия времени: ", "", Show::UnlessZero, true},
    {79, "Магия пространства: ", "", Show::UnlessZero, true},
    {80, "Магия физической материи: ", "", Show::UnlessZero, true},
    {81, "Магия ментальной материи: ", "", Show::UnlessZero, true},
    {97, "Аура вампирическая: х", "", Show::UnlessZero, true},
    {98, "Аура поглощения: х", "", Show::UnlessZero, true},
    {99, "Аура экономии: х", "", Show::UnlessZero, true},
    {100, "Аура ответа: х", "", Show::UnlessZero, true},
    {101, "Аура противоречий: х", "", Show::UnlessZero, true},
    {102, "Аура стихийной защиты: х", "", Show::UnlessZero, true},
    {103, "Аура солнечная: х", "", Show::UnlessZero, true},
    {107, "Аура охранения: х", "", Show::UnlessZero, true},
};

const InfoLine kFeatureLines[] = {
    {col::Repair, "Ремонт: ", "", Show::Always, true},
    {col::Lifetime, "Время жизни: ", "ч.", Show::UnlessNoOrZero, true},
    {col::SetName, "Комплект: ", "", Show::UnlessNoOrNoFull, true},
    {col::Artefact, "Артефакт", "", Show::UnlessNoOrZero, false},
    {col::SecondWeapon, "Второе оружие", "", Show::UnlessNoOrZero, false},
    {col::TwoHanded, "Двуручное оружие", "", Show::UnlessNoOrZero, false},
    {col::PartOfSets, "Часть комплектов", "", Show::UnlessNoOrZero, false},
    {col::ForgeCount, "Предмет закован: х", "", Show::UnlessZero, true, true},
    {col::Enchanted, "Предмет зачарован", "", Show::OnlyOne, false, true},
};

const InfoLine kRequirementLines[] = {
    {58, "Уровень: ", "", Show::UnlessZero, true},
    {51, "Сила: ", "", Show::UnlessZero, true},
    {52, "Ловкость: ", "", Show::UnlessZero, true},
    {53, "Интуиция: ", "", Show::UnlessZero, true},
    {54, "Здоровье: ", "", Show::UnlessZero, true},
    {55, "Мана: ", "", Show::UnlessZero, true},
    {56, "Интеллект: ", "", Show::UnlessZero, true},
    {57, "Харизма: ", "", Show::UnlessZero, true},
    {59, "Склонность: ", "", Show::UnlessNoOrZero, true},
    {60, "Клан: ", "", Show::UnlessNoOrZero, true},
    {82, "Магия Общая: ", "", Show::UnlessZero, true},
    {83, "Магия Тьмв: ", "", Show::UnlessZero, true},
    {84, "Магия Света: ", "", Show::UnlessZero, true},
    {85, "Магия Хаоса: ", "", Show::UnlessZero, true},
    {86, "Магия Земли: ", "", Show::UnlessZero, true},
    {87, "Магия Огня: ", "", Show::UnlessZero, true},
    {88, "Магия Воды: ", "", Show::UnlessZero, true},
    {89, "Магия Воздуха: ", "", Show::UnlessZero, true},
    {90, "Магия Металла: ", "", Show::UnlessZero, true},
    {91, "Магия Времени: ", "", Show::UnlessZero, true},
    {92, "Магия Пространства: ", "", Show::UnlessZero, true},
    {93, "Магия Физической материи: ", "", Show::UnlessZero, true},
    {94, "Магия Ментальной материи: ", "", Show::UnlessZero, true},
    {117, "Пол: ", "", Show::OnlySex, true},
};

bool isShown(Show show, const QString &cell) {
    switch (show) {
    case Show::Always:
    case Show::Price:
        return true;
    case Show::UnlessZero:
        return cell != u"0";
    case Show::UnlessNoOrZero:
        return cell != u"Нет" && cell != u"нет" && cell != u"0";
    case Show::UnlessNoOrNoFull:
        return cell != u"Нет" && cell != u"нет" && cell != u"NoFull";
    case Show::OnlySex:
        return cell == u"М" || cell == u"Ж";
    case Show::OnlyOne:
        return cell == u"1";
    }
    return false;
}

// Calls `shown(column, text)` for every line of the block the row shows, in order.
template <size_t N, typename Shown>
void forEachShownLine(const InfoLine (&lines)[N], const CategoryTable &table, int row, InfoSource source, Shown shown) {
    for (const InfoLine &line : lines) {
        if (line.wornOnly && source != InfoSource::WornItem) continue;
        const QString &cell = table.cellRef(line.column, row);
        if (!isShown(line.show, cell)) continue;
        QString text = QString::fromUtf8(line.prefix);
        if (line.withCell) text += line.show == Show::Price ? infoPriceText(cell) : cell;
        text += QString::fromUtf8(line.suffix);
        shown(line.column, text);
    }
}

template <size_t N>
QString buildBlock(const InfoLine (&lines)[N], const CategoryTable &table, int row, InfoSource source) {
    QString block;
    forEachShownLine(lines, table, row, source, [&block](int, const QString &text) {
        block += text;
        block += QChar(13);
    });
    return block;
}

QString joinedBlock(const QVector<RequirementLine> &lines) {
    QString block;
    for (const RequirementLine &line : lines) {
        block += line.text;
        block += QChar(13);
    }
    return block;
}

}  // namespace

QVector<RequirementLine> requirementLines(const CategoryTable &table, int row, InfoSource source) {
    QVector<RequirementLine> shown;
    forEachShownLine(kRequirementLines, table, row, source,
                     [&shown](int column, const QString &text) { shown.append({column, text}); });
    return shown;
}

QString infoPriceText(const QString &priceCell) {
    if (priceCell.startsWith(u'0')) return QStringLiteral("0");
    if (priceCell.startsWith(u'м')) return priceCell.mid(1) + QStringLiteral(" м.");
    return priceCell.mid(1) + QStringLiteral(" з.м.");
}

ItemInfoText buildItemInfo(const CategoryTable &table, int row, InfoSource source) {
    ItemInfoText info;
    info.name = table.cell(col::Name, row);
    info.head = buildBlock(kHeadLines, table, row, source);
    info.action = buildBlock(kActionLines, table, row, source);
    info.features = buildBlock(kFeatureLines, table, row, source);
    info.requirementLines = requirementLines(table, row, source);
    info.requirements = joinedBlock(info.requirementLines);
    return info;
}

PanelPosition wornInfoPanelPosition(int slotLeft, int slotTop, int slotWidth) {
    return {slotLeft + slotWidth + 10, slotTop + 8};
}

PanelPosition catalogueInfoPanelPosition(int pictureLeft, int pictureTop, int pictureWidth,
                                         int panelWidth, int panelHeight) {
    const int left = pictureLeft > 300 ? pictureLeft - panelWidth + 14 : pictureLeft + pictureWidth + 43;
    const int top = pictureTop > 240 ? 570 - panelHeight : pictureTop + 46;
    return {left, top};
}

}  // namespace veldora
