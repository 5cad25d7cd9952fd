#!/usr/bin/env python3
"""Authoring aid for the sample program folder's tables.

The committed files sample/base/*.tsv are the source of truth: people review and
edit them by hand, and the build reads only them. This script wrote their first
version and is kept so that a large rework (new sets, other scaling) can start
from it; running it OVERWRITES hand edits. The build never runs it.

    python3 tools/sampledata/author_tables.py sample/base
"""

import sys
from pathlib import Path

ITEM_COLUMNS_CPP = Path(__file__).resolve().parents[2] / "core/catalogue/ItemColumns.cpp"
SET_BONUS_CPP = Path(__file__).resolve().parents[2] / "core/catalogue/SetBonusTable.cpp"


def read_item_fields():
    """(name, type, width) of the 131 item fields, in column order."""
    import re
    fields = []
    for m in re.finditer(r'\{(\d+), "([^"]+)", JetFieldType::(\w+), (\d+)\}', ITEM_COLUMNS_CPP.read_text()):
        fields.append((m.group(2), m.group(3), int(m.group(4))))
    assert len(fields) == 131, len(fields)
    return fields


def read_set_fields():
    import re
    names = [m.group(2) for m in re.finditer(r'\{(\d+), "([^"]+)", "([^"]+)"\}', SET_BONUS_CPP.read_text())]
    assert len(names) == 48, len(names)
    return names


# The outfit menu names rings of up to 35 characters ("Кольцо земляного волхва [Обновлён]"),
# so the sample's item names get 40 characters instead of 30: a ring the menu names must be
# found by its name, not silently replaced by the set's first ring.
NAME_WIDTH = 40
ITEM_FIELDS = [(n, t, NAME_WIDTH if n == "Название" else w) for n, t, w in read_item_fields()]
SET_FIELDS = read_set_fields()
TEXT_DEFAULTS = {
    "Второе Оружие": "Нет", "Двуручное": "Нет", "Арт": "Нет", "Ремонт": "Да",
    "Часть комплектов": "Нет",
}

TRANSLIT = dict(zip("абвгдеёжзийклмнопрстуфхцчшщъыьэюя",
                    ["a", "b", "v", "g", "d", "e", "e", "zh", "z", "i", "y", "k", "l", "m", "n", "o", "p",
                     "r", "s", "t", "u", "f", "kh", "ts", "ch", "sh", "sch", "", "y", "", "e", "yu", "ya"]))


def translit(text):
    out = []
    for ch in text.lower():
        if ch in TRANSLIT:
            out.append(TRANSLIT[ch])
        elif ch.isalnum():
            out.append(ch)
        elif ch in " -":
            out.append("_")
    return "".join(out).strip("_")


def dec(x):
    """Decimal text with a comma, without a trailing ',0'."""
    s = f"{x:.1f}".replace(".", ",")
    return s[:-2] if s.endswith(",0") else s


def r(x):
    return int(round(x))


# Categories: key -> (Тип, file prefix, picture extension, mass at level 0, mass per level, price weight)
CATS = {
    "helm": ("Шлемы", "helm", "jpg", 1.2, 0.08, 1.0),
    "kulon": ("Кулоны", "kulon", "bmp", 0.2, 0.0, 0.8),
    "armor": ("Броня", "armor", "jpg", 4.0, 0.25, 1.6),
    "belt": ("Пояса", "belt", "jpg", 0.6, 0.04, 0.7),
    "amulet": ("Амулеты", "amulet", "bmp", 0.2, 0.0, 0.9),
    "boots": ("Обувь", "boots", "jpg", 1.0, 0.06, 0.9),
    "bracers": ("Браслеты", "bracers", "jpg", 0.4, 0.03, 0.8),
    "gloves": ("Перчатки", "gloves", "jpg", 0.5, 0.03, 0.8),
    "weapon": ("Оружия", None, "jpg", 2.0, 0.15, 1.5),
    "shield": ("Щиты", "shield", "jpg", 3.0, 0.2, 1.2),
    "pants": ("Штаны", "pants", "jpg", 1.5, 0.1, 1.1),
    "ring": ("Кольца", "ring", "bmp", 0.1, 0.0, 0.9),
    "tal": ("Талисманы", "tal", "bmp", 0.2, 0.0, 0.6),
}
ARMOUR_ORDER = ["helm", "kulon", "armor", "belt", "amulet", "boots", "bracers", "gloves", "pants"]

# Weapon kinds by a word of the name: file prefix, mastery field, amplification field
WEAPON_KINDS = {
    "кинжал": ("dagger", "Влад Ножи", "Усиление ножа"),
    "нож": ("knife", "Влад Ножи", "Усиление ножа"),
    "меч": ("sword", "Влад Мечи", "Усиление меча"),
    "топор": ("axe", "Влад Топоры", "Усиление топора"),
    "булава": ("mace", "Влад Дубины", "Усиление молота"),
    "дубина": ("club", "Влад Дубины", "Усиление молота"),
    "молот": ("hammer", "Влад Дубины", "Усиление молота"),
    "посох": ("staff", "Влад Посохи", None),
    "трость": ("cane", "Влад Посохи", None),
}


def weapon_kind(name):
    for word in name.lower().split():
        if word in WEAPON_KINDS:
            return WEAPON_KINDS[word]
    raise ValueError(name)


ELEMENT_FIELDS = {
    "fire": ("Магия Огонь", "Треб Магия Огонь", "Усиление огня", "Защ от Огня"),
    "water": ("Магия Вода", "Треб Магия Вода", "Усиление воды", "Защ от Воды"),
    "air": ("Магия Воздух", "Треб Магия Воздух", "Усиление воздуха", "Защ От Возд"),
    "earth": ("Магия Земля", "Треб Магия Земля", "Усиление земли", "Защ от Земли"),
    "general": ("Магия Общая", "Треб Магия Общая", None, None),
    "mental": ("Магия Ментал", "Треб Магия Ментал", None, None),
    "chaos": ("Магия Хаос", "Треб Магия Хаос", None, None),
    "dark": ("Магия Тьма", "Треб Магия Тьма", None, None),
    "light": ("Магия Свет", "Треб Магия Свет", None, None),
}
SET_BONUS_MAGIC = {"fire": "Магия Огонь", "water": "Магия Вода", "air": "Магия Воздух", "earth": "Магия Земля",
                   "general": "Магия Общая", "mental": "Магия Ментал", "chaos": "Магия Общая",
                   "dark": "Магия Ментал", "light": "Магия Общая"}


class Set:
    def __init__(self, name, kind, level, gen=None, **kw):
        self.name = name
        self.kind = kind          # evasion, crit, tank, mage, antimage, other
        self.level = level
        self.gen = gen or name.lower()   # the word that follows an item noun
        self.element = kw.get("element")
        self.weapons = kw.get("weapons", [])  # (name, two_handed, twin, rare)
        self.shield = kw.get("shield", True)
        self.lacks = set(kw.get("lacks", []))
        self.talisman = kw.get("talisman", False)
        self.ring = kw.get("ring", True)
        self.rings = kw.get("rings")          # named rings instead of one set ring
        self.second_helmet = kw.get("second_helmet")  # level of a second helmet
        self.art = kw.get("art", False)
        self.suffix = kw.get("suffix", "")   # " [Обновлён]" for the upgraded artefacts
        self.align = kw.get("align", "0")
        self.sex = kw.get("sex", "0")
        self.lifetime = kw.get("lifetime", "0")
        self.gold = kw.get("gold", False)
        self.free = kw.get("free", False)
        self.nouns = kw.get("nouns", {})
        self.extra = kw.get("extra", {})     # cat -> {field: value}
        self.needed = kw.get("needed")
        self.bonus = kw.get("bonus", {})
        self.file_key = kw.get("file_key") or translit(name)


def W(name, two=False, twin=False, rare=False):
    return (name, two, twin, rare)


VIHR = [W("Меч вихря", True), W("Молот вихря", True), W("Топор вихря", True)]
SILY = [W("Меч силы", True), W("Молот силы", True), W("Топор силы", True)]

SETS = [
    # evasion
    Set("Ангела", "evasion", 12, "ангела", weapons=[W("Кинжал Ангелов"), W("Ангельский меч"), W("Ангельский топор"),
        W("Ангельский молот", rare=True)], talisman=True, second_helmet=14, align="Свет",
        extra={"ring": {"Аура солнечная": "1"}}, bonus={"Аура солнечная": "1", "Интенсивность": "10"}, needed=7),
    Set("Погружения", "evasion", 9, weapons=[W("Меч погружения"), W("Топор погружения"),
        W("Булава погружения", rare=True)], needed=6),
    Set("Безмолвия", "evasion", 15, weapons=[W("Меч безмолвия"), W("Топор безмолвия"),
        W("Молот безмолвия", rare=True)] + VIHR, needed=7),
    Set("Скольжения", "evasion", 17, weapons=[W("Меч скольжения"), W("Топор скольжения"), W("Булава скольжения")],
        needed=7, bonus={"Интенсивность": "15"}),
    Set("Рассвета", "evasion", 20, weapons=[W("Меч рассвета"), W("Топор рассвета"), W("Дубина рассвета")],
        extra={"amulet": {"Аура солнечная": "1"}}, needed=8),
    Set("Подвижности", "evasion", 6, weapons=[W("Кинжал подвижности", twin=True), W("Меч подвижности"),
        W("Топор подвижности")], needed=5),
    Set("Хитрости", "evasion", 4, weapons=[W("Кинжал хитрости", twin=True), W("Меч хитрости"), W("Топор хитрости")],
        lacks=["gloves"], needed=4),
    Set("Странника", "evasion", 10, weapons=[W("Кинжал странника", twin=True), W("Меч странника"),
        W("Топор странника")], needed=6),
    Set("Движения", "evasion", 8, weapons=[W("Нож движения", twin=True), W("Меч движения"), W("Топор движения")],
        needed=5, bonus={"Интенсивность": "5"}),
    # crit
    Set("Призрака", "crit", 12, weapons=[W("Нож призрака", rare=True), W("Меч призрака"), W("Топор призрака"),
        W("Молот призрака", rare=True)], talisman=True, second_helmet=13, align="Тьма", needed=7),
    Set("Отверженного", "crit", 9, weapons=[W("Меч отверженного"), W("Топор отверженного"),
        W("Булава отверженного", rare=True)], needed=6),
    Set("Предназначения", "crit", 15, weapons=[W("Меч предназначения"), W("Топор предназначения"),
        W("Булава предназначения", rare=True)] + SILY, needed=7),
    Set("Изумления", "crit", 17, weapons=[W("Меч изумления"), W("Топор Изумления"), W("Дубина Изумления")],
        needed=7),
    Set("Крови", "crit", 20, weapons=[W("Меч крови"), W("Топор крови"), W("Дубина крови")], align="Тьма",
        extra={"amulet": {"Аура вампир": "1"}}, bonus={"Аура вампир": "1"}, needed=8),
    Set("Опасности", "crit", 5, weapons=[W("Меч опасности"), W("Топор опасности")], lacks=["kulon"], needed=4),
    Set("Уничтожения", "crit", 7, weapons=[W("Меч уничтожения"), W("Топор уничтожения")], needed=5),
    Set("Жнеца", "crit", 22, weapons=[W("Меч жнеца"), W("Топор жнеца")], talisman=True, needed=8),
    Set("Резни", "crit", 3, weapons=[W("Меч резни"), W("Топор резни")], needed=3),
    # tank
    Set("Противостояния", "tank", 6, weapons=[W("Булава противостояния")], needed=5),
    Set("Сокрушения", "tank", 10, weapons=[W("Молот сокрушения")], needed=6),
    Set("Подавления", "tank", 14, weapons=[W("Дубина подавления")], needed=7,
        bonus={"Аура охранения": "1"}),
    Set("Покорителя", "tank", 18, weapons=[W("Дубина покорителя"), W("Молот покорителя")], talisman=True,
        second_helmet=20, extra={"tal": {"Аура поглот": "1"}}, bonus={"Аура охранения": "1", "Интенсивность": "5"},
        needed=8),
    Set("Стабильности", "tank", 4, weapons=[W("Дубина стабильности"), W("Молот стабильности")],
        bonus={"Аура поглот": "1"}, needed=4),
    # mage
    Set("Погребения", "mage", 2, element="earth", needed=3),
    Set("Зеркала", "mage", 3, element="mental", ring=False, needed=4),
    Set("Основ", "mage", 4, element="general", weapons=[W("Посох основ")], talisman=True, needed=4),
    Set("Стремлений", "mage", 5, element="general", weapons=[W("Посох стремлений")], needed=5),
    Set("Пламени", "mage", 7, element="fire", weapons=[W("Посох пламени")], talisman=True, needed=5),
    Set("Перемен", "mage", 8, element="chaos", weapons=[W("Посох перемен")], needed=5),
    Set("Песков", "mage", 9, element="earth", weapons=[W("Посох песков")], talisman=True, needed=6),
    Set("Холода", "mage", 10, element="water", weapons=[W("Посох холода")], talisman=True, second_helmet=11,
        needed=6),
    Set("Пепла", "mage", 11, element="fire", weapons=[W("Посох пепла")], needed=6),
    Set("Ветров", "mage", 12, element="air", weapons=[W("Посох ветров")], talisman=True, needed=6),
    Set("Разлома", "mage", 13, element="earth", needed=6),
    Set("Шторма", "mage", 13, element="air", needed=6),
    Set("Пожара", "mage", 14, element="fire", talisman=True, needed=7),
    Set("Циклона", "mage", 14, element="air", needed=7),
    Set("Капель", "mage", 15, element="water", weapons=[W("Посох капель", True)], shield=False, needed=7),
    Set("Облаков", "mage", 15, element="air", weapons=[W("Посох облаков", True)], shield=False, needed=7),
    Set("Магмы", "mage", 16, element="fire", weapons=[W("Посох магмы", True)], shield=False, talisman=True,
        needed=7),
    Set("Извержения", "mage", 17, element="fire", weapons=[W("Посох извержения", True)], shield=False, needed=7),
    Set("Молний", "mage", 18, element="air", weapons=[W("Посох молний", True)], shield=False, talisman=True,
        needed=8),
    Set("Аморфности", "mage", 18, element="chaos", weapons=[W("Посох аморфности", True)], shield=False,
        talisman=True, extra={"tal": {"Аура противоречий": "1"}}, bonus={"Аура противоречий": "1"}, needed=8),
    Set("Жара", "mage", 19, element="fire", weapons=[W("Посох жара", True)], shield=False, needed=8),
    Set("Погибели", "mage", 20, element="dark", weapons=[W("Посох погибели", True)], shield=False, talisman=True,
        needed=8),
    Set("Цунами", "mage", 21, element="water", weapons=[W("Посох цунами", True)], shield=False, needed=8),
    Set("Гранита", "mage", 21, element="earth", weapons=[W("Посох гранита", True)], shield=False, needed=8),
    Set("Пиромана", "mage", 22, element="fire", weapons=[W("Посох пиромана", True)], shield=False, talisman=True,
        needed=9),
    Set("Торнадо", "mage", 22, element="air", weapons=[W("Посох торнадо", True)], shield=False, needed=9),
    Set("Волхва", "mage", 23, element="general", weapons=[W("Посох волхва", True)], shield=False, talisman=True,
        gold=True, rings=[("Кольцо огненного волхва", "fire"), ("Кольцо водного волхва", "water"),
                          ("Кольцо воздушного волхва", "air"), ("Кольцо земляного волхва", "earth")],
        extra={"tal": {"Аура экономии": "1"}}, bonus={"Аура экономии": "1"}, needed=9),
    # antimage
    Set("Фараона", "antimage", 16, weapons=[W("Меч фараона"), W("Топор фараона"), W("Булава фараона", rare=True)],
        extra={"amulet": {"Аура Стих защиты": "1"}}, bonus={"Аура Стих защиты": "1"}, needed=7),
    Set("Отражения", "antimage", 19, weapons=[W("Меч отражения"), W("Топор отражения"), W("Дубина отражения")],
        extra={"amulet": {"Аура ответа": "1"}}, bonus={"Аура ответа": "1"}, needed=8),
    # other
    Set("Лесного духа", "forest", 1, "лесного духа", weapons=[W("Посох лесных духов")], talisman=True, needed=3),
    Set("Деда Мороза", "frost", 1, "Деда Мороза", weapons=[W("Посох Деда Мороза")], talisman=True,
        lifetime="72", free=True, file_key="ded_moroz", needed=5),
    Set("Снегурочки", "frost", 1, "Снегурочки", weapons=[W("Посох Снегурочки")], lifetime="72", lacks=["belt"],
        file_key="snegurochka", needed=4),
    Set("Жениха", "wedding", 1, "жениха", weapons=[W("Свадебная трость")], shield=False, sex="М", lifetime="24",
        needed=3),
    Set("Невесты", "wedding", 1, "невесты", sex="Ж", lifetime="24", nouns={"shield": "Букет"}, needed=3),
    # upgraded artefacts
    Set("Одинокого странника", "evasion", 24, "странника", suffix=" [Обновлён]", art=True, gold=True,
        weapons=[W("Кинжал странника [Обновлён]", twin=True), W("Меч странника [Обновлён]"),
                 W("Топор странника [Обновлён]")], talisman=True, file_key="odinokiy_strannik",
        extra={"amulet": {"Аура солнечная": "1"}}, bonus={"Аура солнечная": "1", "Интенсивность": "20"}, needed=9),
    Set("Непреклонного жнеца", "crit", 25, "жнеца", suffix=" [Обновлён]", art=True, gold=True,
        weapons=[W("Топор жнеца [Обновлён]"), W("Меч жнеца [Обновлён]")], talisman=True,
        file_key="nepreklonny_zhnets", extra={"amulet": {"Аура вампир": "1"}}, bonus={"Аура вампир": "2"},
        needed=9),
    Set("Стремительного покорителя", "tank", 25, "покорителя", suffix=" [Обновлён]", art=True, gold=True,
        weapons=[W("Дубина покорителя [Обновлён]"), W("Молот покорителя [Обновлён]")], talisman=True,
        file_key="stremitelny_pokoritel", extra={"amulet": {"Аура охранения": "1"}},
        bonus={"Аура охранения": "2", "Интенсивность": "10"}, needed=9),
    Set("Верховного волхва", "mage", 26, "волхва", suffix=" [Обновлён]", art=True, gold=True, element="general",
        weapons=[W("Посох волхва [Обновлён]")], talisman=True, file_key="verkhovny_volkhv",
        rings=[("Кольцо огненного волхва [Обновлён]", "fire"), ("Кольцо водного волхва [Обновлён]", "water"),
               ("Кольцо воздушного волхва [Обновлён]", "air"), ("Кольцо земляного волхва [Обновлён]", "earth")],
        extra={"tal": {"Аура экономии": "1"}}, bonus={"Аура экономии": "2"}, needed=9),
]

# Item nouns by set kind.
NOUNS = {
    "default": {"helm": "Шлем", "kulon": "Кулон", "armor": "Куртка", "belt": "Пояс", "amulet": "Амулет",
                "boots": "Сапоги", "bracers": "Браслеты", "gloves": "Перчатки", "pants": "Штаны",
                "shield": "Баклер", "ring": "Кольцо", "tal": "Талисман"},
    "crit": {"armor": "Кольчуга", "shield": "Щит", "tal": "Руна"},
    "tank": {"armor": "Латы", "bracers": "Наручи", "gloves": "Рукавицы", "pants": "Поножи", "shield": "Щит",
             "boots": "Ботинки", "tal": "Оберег"},
    "mage": {"helm": "Венец", "armor": "Мантия", "belt": "Кушак", "boots": "Туфли", "shield": "Эгида",
             "pants": "Шаровары", "tal": "Руна"},
    "antimage": {"armor": "Панцирь", "shield": "Щит", "bracers": "Наручи"},
    "forest": {"helm": "Венок", "armor": "Накидка", "shield": "Щит"},
    "frost": {"helm": "Шапка", "armor": "Шуба", "boots": "Валенки", "gloves": "Варежки", "shield": "Щит",
              "tal": "Снежинка"},
    "wedding": {"helm": "Фата", "armor": "Платье", "boots": "Туфли", "pants": "Юбка"},
}
WEDDING_MALE = {"helm": "Цилиндр", "armor": "Фрак", "boots": "Ботинки", "pants": "Брюки", "tal": "Талисман"}


def noun(s, cat):
    if s.nouns.get(cat):
        return s.nouns[cat]
    if s.name == "Жениха" and cat in WEDDING_MALE:
        return WEDDING_MALE[cat]
    return NOUNS.get(s.kind, {}).get(cat) or NOUNS["default"][cat]


# Main modifier of each kind and its weight per category.
MAIN_WEIGHT = {"helm": 2.0, "kulon": 1.5, "armor": 3.0, "belt": 1.5, "amulet": 1.5, "boots": 2.5, "bracers": 2.0,
               "gloves": 2.0, "pants": 2.5, "shield": 1.5, "ring": 1.0, "tal": 0.6, "weapon": 2.0}
JEWELLERY = {"kulon", "amulet", "ring", "tal"}


def blank_item():
    item = {}
    for name, typ, width in ITEM_FIELDS:
        item[name] = TEXT_DEFAULTS.get(name, "0")
    return item


def add(item, field, value):
    value = int(value)
    if value == 0:
        return
    old = item[field]
    item[field] = str(int(old) + value)


def fill_armour(item, cat, L, kind):
    tank = 1.6 if kind in ("tank", "antimage") else 1.0
    if kind == "mage":
        tank = 0.5
    if cat == "helm":
        add(item, "Броня Головы", r((1 + 0.8 * L) * tank))
    elif cat == "armor":
        add(item, "Броня Тела", r((2 + 1.2 * L) * tank))
        add(item, "Броня Пояса", r(0.4 * L * tank))
    elif cat == "belt":
        add(item, "Броня Пояса", r((1 + 0.6 * L) * tank))
        add(item, "Вмест Пояса", 1 + L // 6)
    elif cat == "boots":
        add(item, "Броня Ног", r((1 + 0.5 * L) * tank))
    elif cat == "pants":
        add(item, "Броня Ног", r((1 + 0.8 * L) * tank))
        add(item, "Броня Пояса", r(0.3 * L * tank))
    elif cat == "shield":
        add(item, "Защ от крита", r(1.5 * L * tank))
        add(item, "Поглот Удара", 1 + L // 4)


def fill_kind(item, cat, L, s):
    w = MAIN_WEIGHT[cat]
    k = s.kind
    up = 1.3 if s.art else 1.0
    if k == "evasion":
        add(item, "Уворот", r(w * L * up))
        if cat in JEWELLERY:
            add(item, "Ловкость", r((1 + 0.3 * L) * up))
        if cat in ("boots", "armor"):
            add(item, "Проворность", L // 5)
        if cat in ("gloves", "bracers"):
            add(item, "Противоуворот", r(0.5 * L))
        if cat == "pants" and L >= 10:
            add(item, "Интенсивность", L // 4)
    elif k == "crit":
        add(item, "Крит", r(w * L * up))
        if cat in JEWELLERY:
            add(item, "Интуиция", r((1 + 0.3 * L) * up))
        if cat in ("gloves", "ring"):
            add(item, "Крит Мощность", 1 + L // 5)
        if cat == "bracers":
            add(item, "Пробой брони", 1 + L // 6)
        if cat == "helm":
            add(item, "Ярость", L // 6)
    elif k == "tank":
        add(item, "Защ от крита", r(w * L * up))
        add(item, "Уровень Hp", r(1.5 * w * L * up) if cat not in JEWELLERY else r(2 * L))
        if cat in JEWELLERY:
            add(item, "Сила", r((1 + 0.3 * L) * up))
        if cat == "armor":
            add(item, "Укрепление Брони", 1 + L // 5)
            add(item, "Защита от травм", 2 + L // 3)
            add(item, "Сопротивление мечам", 1 + L // 4)
            add(item, "Сопротивление топорам", 1 + L // 4)
        if cat == "bracers":
            add(item, "Контр-удар", r(0.8 * L))
        if cat == "shield":
            add(item, "Сопротивление дубинам", 2 + L // 4)
            add(item, "Сопротивление ножам", 2 + L // 5)
    elif k == "mage":
        el = s.element
        magic, _, amp, prot = ELEMENT_FIELDS[el]
        add(item, "Уровень Mp", r(1.5 * w * L * up))
        if cat in JEWELLERY or cat == "helm":
            add(item, "Интеллект", r((1 + 0.35 * L) * up))
        if cat in ("amulet", "kulon", "ring"):
            add(item, magic, 1 + L // 8)
        if cat in ("gloves", "bracers"):
            add(item, "Мощность", 1 + L // 4)
            add(item, "Маг Крит", r(L * up))
        if cat == "armor":
            add(item, "Реген Mp", 2 + L // 3)
            add(item, "Защ От Маг Крит", r(L * up))
        if cat == "boots":
            add(item, "Маг Уворот", r(0.8 * L))
        if amp and cat == "amulet":
            add(item, amp, 1 + L // 5)
        if prot and cat in ("armor", "shield", "pants"):
            add(item, prot, r(1.5 * L))
        if cat == "tal" and prot:
            add(item, "Сопротивление " + {"fire": "огню", "water": "воде", "air": "воздуху",
                                            "earth": "земле"}[el], 1 + L // 6)
    elif k == "antimage":
        for f in ("Защ от Земли", "Защ от Огня", "Защ от Воды", "Защ От Возд"):
            add(item, f, r(w * L))
        if cat in JEWELLERY:
            add(item, "Сила", r(1 + 0.3 * L))
            add(item, "Маг противоуворот", r(0.5 * L))
        if cat == "amulet":
            add(item, "Сопротивление стихийной защите", 2 + L // 5)
        if cat in ("gloves", "boots"):
            add(item, "Маг Уворот", r(0.6 * L))
        if cat == "armor":
            add(item, "Защ От Маг Крит", r(1.2 * L))
    elif k == "forest":
        add(item, "Реген HP", 3)
        add(item, "Поиск", 2 if cat in JEWELLERY else 1)
        add(item, "Ловкость", 1)
    elif k == "frost":
        add(item, "Удача", 1)
        add(item, "Харизма", 1)
        if cat == "belt":
            add(item, "Рюкзак", 10)
        if cat in ("armor", "helm"):
            add(item, "Доп опыт", 5)
        if s.name == "Снегурочки":
            add(item, "Уровень Mp", 5)
        else:
            add(item, "Реген Устал", 5)
    elif k == "wedding":
        add(item, "Харизма", 2)
        add(item, "Удача", 1)


def fill_requirements(item, cat, L, s):
    if L <= 1:
        return
    jf = 0.7 if cat in JEWELLERY else 1.0
    k = s.kind
    req = {"evasion": ["Треб Ловкость"], "crit": ["Треб Интуиция"], "tank": ["Треб Сила", "Треб Здоровье"],
           "antimage": ["Треб Сила", "Треб Здоровье"], "mage": ["Треб Интеллект", "Треб Мана"]}.get(k, [])
    for i, f in enumerate(req):
        coef = 1.6 if i == 0 else 1.0
        add(item, f, r((3 + coef * L) * jf))
    if k == "mage" and L >= 4:
        add(item, ELEMENT_FIELDS[s.element][1], L // 2)


def price(item, cat, L, s, rare=False):
    weight = CATS[cat][5]
    if s is not None and s.free:
        return "0"
    if (s is not None and (s.gold or s.art)) or rare:
        return "з" + dec(round(weight * (2 + L * 0.9), 1) + 0.5)
    return "м" + str(r(weight * (20 + 6 * L ** 1.6)))


def mass(cat, L, extra=0.0):
    _, _, _, m0, ml, _ = CATS[cat]
    return dec(round(m0 + ml * L + extra, 1))


ITEMS = []
FILES = set()


def new_item(typ_key, name, L, komplekt, file_stem, set_=None, rare=False):
    assert len(name) <= NAME_WIDTH, name
    item = blank_item()
    item["Тип"] = CATS[typ_key][0]
    item["Название"] = name
    item["Комплект"] = komplekt
    item["Треб Уровень"] = str(L)
    item["Цена"] = price(item, typ_key, L, set_, rare)
    item["Масса"] = mass(typ_key, L)
    dur = 20 + 2 * L if not (set_ and set_.art) else 100
    item["Долговечность"] = f"0/{dur}"
    ext = CATS[typ_key][2]
    if set_ is not None and set_.art:
        ext = "bmp"
    fname = f"{file_stem}.{ext}"
    assert fname not in FILES, fname
    FILES.add(fname)
    item["File"] = fname
    if set_ is not None:
        item["Треб Склонность"] = set_.align
        item["Пол"] = set_.sex
        item["Время жизни"] = set_.lifetime
        if set_.lifetime != "0":
            item["Ремонт"] = "Нет"
        if set_.art:
            item["Арт"] = "Да"
            item["ко"] = str(20 + 4 * L)
    ITEMS.append(item)
    return item


def weapon_damage(item, name, L, two, kind_prefix, s):
    factor = {"dagger": 0.8, "knife": 0.75, "sword": 1.0, "axe": 1.1, "mace": 1.05, "club": 1.0, "hammer": 1.2,
              "staff": 0.5, "cane": 0.4}[kind_prefix]
    if two:
        factor *= 1.6
    if s is not None and s.art:
        factor *= 1.2
    mn = r(2 + L * 1.2 * factor)
    mx = r(mn + 2 + L * 0.8 * factor)
    add(item, "Мин", mn)
    add(item, "Макс", mx)


def make_weapon(s, w, L):
    name, two, twin, rare = w
    prefix, mastery, amp = weapon_kind(name)
    key = s.file_key if s else translit(name)
    stem = f"{prefix}_{key}"
    if stem + ".jpg" in FILES or stem + ".bmp" in FILES:
        stem = f"{prefix}_{translit(name)}"
    komplekt = s.name if s else "NoFull"
    shared = name in [x[0] for x in VIHR + SILY]
    item = new_item("weapon", name, L, komplekt, stem, s, rare)
    if rare:
        item["Арт"] = "Да"
        item["ко"] = str(30 + 3 * L)
        item["Ремонт"] = "Да"
    if two:
        item["Двуручное"] = "Да"
    if twin:
        item["Второе Оружие"] = "Да"
    if shared:
        item["Часть комплектов"] = "Да"
    item["Масса"] = mass("weapon", L, 1.5 if two else (-1.0 if prefix in ("dagger", "knife") else 0))
    weapon_damage(item, name, L, two, prefix, s)
    add(item, mastery, 1 + L // 8 + (1 if two else 0))
    if s is not None:
        if s.kind == "mage":
            magic, req, ampf, _ = ELEMENT_FIELDS[s.element]
            add(item, magic, 1 + L // 6)
            add(item, "Уровень Mp", r(4 * L))
            add(item, "Мощность", 2 + L // 3 + (3 if two else 0))
            add(item, "Интеллект", r(1 + 0.4 * L))
            if ampf:
                add(item, ampf, 2 + L // 4)
            if two and L >= 18:
                add(item, "Стихийный пробой", 2 + L // 6)
            if s.name in ("Волхва", "Верховного волхва"):
                for el in ("fire", "water", "air", "earth"):
                    add(item, ELEMENT_FIELDS[el][0], 1)
        else:
            fill_kind(item, "weapon", L, s)
        fill_requirements(item, "weapon", L, s)
    # Strength for heavy weapons, agility for light ones, on top of the set's own.
    if L > 1:
        if prefix in ("axe", "hammer", "mace", "club"):
            add(item, "Треб Сила", r(2 + 1.2 * L))
        elif prefix in ("dagger", "knife"):
            add(item, "Треб Ловкость", r(2 + 0.8 * L))
    if amp and ((s is not None and s.art) or rare):
        add(item, amp, 3 + L // 5)
    if s is not None and s.art:
        add(item, "Пробой брони", 2 + L // 6)
    return item


def make_set(s):
    L = s.level
    for cat in ARMOUR_ORDER + ["shield", "ring", "tal"]:
        if cat in s.lacks:
            continue
        if cat == "shield" and not s.shield:
            continue
        if cat == "tal" and not s.talisman:
            continue
        if cat == "ring":
            if not s.ring:
                continue
            if s.rings:
                for ring_name, el in s.rings:
                    item = new_item("ring", ring_name, L, s.name,
                                    f"ring_{s.file_key}_{translit(ring_name.split()[1])[:4]}", s)
                    fill_kind(item, "ring", L, s)
                    add(item, ELEMENT_FIELDS[el][0], 2 + L // 8)
                    add(item, ELEMENT_FIELDS[el][2], 2 + L // 6)
                    item["Часть комплектов"] = "Да"
                    fill_requirements(item, "ring", L, s)
                    for f, v in s.extra.get("ring", {}).items():
                        item[f] = v
                continue
        levels = [L]
        if cat == "helm" and s.second_helmet:
            levels.append(s.second_helmet)
        for i, lvl in enumerate(levels):
            name = f"{noun(s, cat)} {s.gen}{s.suffix}"
            if i > 0:
                name = f"{noun(s, cat)} {s.gen} II{s.suffix}"
            stem = f"{CATS[cat][1]}_{s.file_key}" + (f"_{i + 1}" if i else "")
            item = new_item(cat, name, lvl, s.name, stem, s)
            fill_armour(item, cat, lvl, s.kind)
            fill_kind(item, cat, lvl, s)
            fill_requirements(item, cat, lvl, s)
            for f, v in s.extra.get(cat, {}).items():
                item[f] = v
            if s.art:
                item["Масса"] = mass(cat, lvl, 0.3)
    for w in s.weapons:
        make_weapon(s, w, L)


# Items outside any set: (category, name, level, set cell, extra fields)
LOOSE = [
    ("helm", "Кожаный шлем", 1, "NoFull", {}),
    ("helm", "Старый шлем", 2, "Нет", {}),
    ("helm", "Железный шлем", 5, "0", {"Уровень Hp": "6"}),
    ("helm", "Шлем стражника", 9, "NoFull", {"Защ от крита": "8"}),
    ("helm", "Рогатый шлем", 16, "Нет", {"Ярость": "3", "Сила": "2"}),
    ("helm", "Шлем северного ветра", 24, "0", {"Защ От Возд": "30", "Время жизни": "Нет"}),
    ("kulon", "Медная подвеска", 1, "NoFull", {"Удача": "1"}),
    ("kulon", "Кулон с янтарём", 7, "Нет", {"Интуиция": "3"}),
    ("kulon", "Кулон звездочёта", 18, "0", {"Интеллект": "6", "Магия Свет": "2", "Треб Магия Свет": "5"}),
    ("armor", "Стёганая куртка", 1, "NoFull", {}),
    ("armor", "Кожаный доспех", 4, "Нет", {}),
    ("armor", "Кольчужная рубаха", 8, "0", {"Защ от крита": "10"}),
    ("armor", "Чешуйчатый доспех", 13, "NoFull", {"Уровень Hp": "30"}),
    ("armor", "Доспех пограничника", 21, "Нет", {"Сопротивление ножам": "6", "Защита от травм": "5"}),
    ("belt", "Верёвочный пояс", 1, "NoFull", {}),
    ("belt", "Пояс путника", 6, "0", {"Рюкзак": "15", "Скорость перемещения": "1"}),
    ("belt", "Пояс травника", 12, "Нет", {"Вмест Пояса": "6", "Поиск": "3"}),
    ("amulet", "Деревянный оберег", 1, "NoFull", {"Уровень Hp": "3"}),
    ("amulet", "Амулет странствий", 9, "0", {"Доп опыт": "5"}),
    ("amulet", "Амулет лунного света", 20, "Нет", {"Магия Свет": "3", "Магия Тьма": "1",
                                                   "Треб Склонность": "Нейтрал"}),
    ("boots", "Лапти", 1, "NoFull", {"Скорость перемещения": "1"}),
    ("boots", "Кожаные сапоги", 5, "Нет", {}),
    ("boots", "Сапоги скорохода", 15, "0", {"Скорость перемещения": "3", "Уворот": "12"}),
    ("bracers", "Медные браслеты", 2, "NoFull", {"Сила": "1"}),
    ("bracers", "Наручи дозорного", 11, "Нет", {"Защ от крита": "10"}),
    ("gloves", "Рабочие рукавицы", 1, "NoFull", {}),
    ("gloves", "Перчатки лучника", 8, "0", {"Крит": "8", "Противоуворот": "4"}),
    ("gloves", "Перчатки кузнеца", 17, "Нет", {"Сила": "4", "Защ от Огня": "15"}),
    ("pants", "Холщовые штаны", 1, "NoFull", {}),
    ("pants", "Кожаные штаны", 6, "0", {}),
    ("pants", "Штаны следопыта", 19, "Нет", {"Уворот": "20", "Поиск": "2"}),
    ("shield", "Деревянный щит", 1, "NoFull", {}),
    ("shield", "Окованный щит", 7, "Нет", {"Сопротивление мечам": "3"}),
    ("shield", "Щит Стражей Перевала", 14, "0", {"Треб Клан": "Стражи Перевала", "Аура охранения": "1",
                                                 "Сопротивление топорам": "5"}),
    ("ring", "Медное кольцо", 1, "NoFull", {"Сила": "1"}),
    ("ring", "Серебряное кольцо", 6, "Нет", {"Интуиция": "2", "Ловкость": "2"}),
    ("ring", "Перстень Стражей", 12, "0", {"Треб Клан": "Стражи Перевала", "Уровень Hp": "20"}),
    ("ring", "Кольцо забытого мага", 17, "NoFull", {"Магия Хаос": "2", "Треб Магия Хаос": "6",
                                                    "Магия Время": "1", "Треб Магия Время": "3"}),
    ("ring", "Кольцо пустоты", 23, "Нет", {"Магия Пространство": "2", "Треб Магия Пространство": "8",
                                            "Магия Металл": "1", "Треб Магия Металл": "4"}),
    ("tal", "Талисман новичка", 1, "NoFull", {"Уровень Hp": "2"}),
    ("tal", "Клык волка", 8, "0", {"Аура вампир": "1", "Крит": "3"}),
    ("tal", "Солнечный камень", 14, "Нет", {"Аура солнечная": "1", "Реген HP": "4"}),
    ("tal", "Камень стихий", 19, "NoFull", {"Аура Стих защиты": "1", "Магия Физ": "1", "Треб Магия Физ": "5"}),
    ("tal", "Щит-оберег", 22, "0", {"Аура охранения": "1", "Аура ответа": "1", "Время жизни": "Нет"}),
    ("weapon", "Ржавый нож", 1, "NoFull", {}),
    ("weapon", "Учебный меч", 1, "Нет", {}),
    ("weapon", "Дубовая дубина", 2, "0", {}),
    ("weapon", "Посох ученика", 3, "NoFull", {"Магия Общая": "1", "Уровень Mp": "10"}),
    ("weapon", "Топор лесоруба", 5, "Нет", {}),
    ("weapon", "Кинжал следопыта", 7, "0", {"Второе Оружие": "Да", "Уворот": "5"}),
    ("weapon", "Боевой молот", 11, "NoFull", {"Двуручное": "Да", "Пробой брони": "3"}),
    ("weapon", "Меч наёмника", 13, "Нет", {"Крит": "10"}),
    ("weapon", "Булава паладина", 18, "0", {"Треб Склонность": "Свет", "Магия Свет": "2",
                                            "Треб Магия Свет": "4"}),
]
# A small run of lifetime and gender items outside the sets.
LOOSE += [
    ("kulon", "Кулон ярмарки", 3, "NoFull", {"Время жизни": "24", "Ремонт": "Нет", "Харизма": "2"}),
    ("ring", "Обручальное кольцо", 1, "Нет", {"Пол": "Ж", "Харизма": "1"}),
    ("ring", "Печатка рыцаря", 10, "NoFull", {"Пол": "М", "Сила": "3"}),
]

# Pictures that are deliberately absent from img/, to show the "no picture" stand-in.
MISSING = ["helm_staryy_shlem.jpg", "ring_koltso_pustoty.bmp", "sword_uchebnyy_mech.jpg"]


def make_loose():
    for cat, name, L, komplekt, extra in LOOSE:
        if cat == "weapon":
            item = make_weapon(None, W(name, extra.get("Двуручное") == "Да", extra.get("Второе Оружие") == "Да"), L)
            item["Комплект"] = komplekt
        else:
            stem = f"{CATS[cat][1]}_{translit(name)}"
            item = new_item(cat, name, L, komplekt, stem)
            fill_armour(item, cat, L, "plain")
            if L > 1:
                add(item, "Треб Сила", r(3 + 0.8 * L))
        for f, v in extra.items():
            item[f] = v


def set_bonus_rows():
    rows = []
    for s in SETS + [Set("Забытого легиона", "tank", 20, needed=6)]:
        L = s.level
        b = {f: "0" for f in SET_FIELDS}
        b["Комплект"] = s.name
        k = s.kind
        sc = 1.5 if s.art else 1.0

        def put(field, value):
            b[field] = str(max(1, r(value * sc)))
        if k == "evasion":
            put("Уворот", 10 + 3 * L)
            put("Антиуворот", 2 + L)
            put("Проворность", 2 + L // 4)
            if L >= 10:
                put("Сила", 1 + L // 5)
        elif k == "crit":
            put("Крит", 10 + 3 * L)
            put("Крит Мощность", 5 + L)
            put("Пробой брони", 2 + L // 3)
            put("Ярость", 1 + L // 5)
        elif k == "tank":
            put("Антикрит", 10 + 3 * L)
            put("Уровень Hp", 20 + 6 * L)
            put("Поглот Удара", 2 + L // 4)
            put("Укрепление Брони", 3 + L // 3)
            put("Контр-удар", 5 + L)
            put("Сила", 2 + L // 4)
            put("Реген HP", 5 + L // 2)
        elif k == "mage":
            put("Уровень Mp", 20 + 5 * L)
            put("Мощность", 3 + L // 2)
            put("Интеллект", 2 + L // 4)
            put("Реген Mp", 5 + L // 2)
            put(SET_BONUS_MAGIC[s.element], 1 + L // 7)
            if s.element in ("fire", "water", "air", "earth"):
                absorb = {"fire": "Поглот огня", "water": "Поглот воды", "air": "Поглот возд",
                          "earth": "Поглот земли"}[s.element]
                put(absorb, 2 + L // 5)
            if L >= 15:
                put("Стихийный пробой", 2 + L // 5)
            if s.name in ("Волхва", "Верховного волхва"):
                for f in ("Магия Огонь", "Магия Вода", "Магия Воздух", "Магия Земля"):
                    put(f, 1 + L // 10)
        elif k == "antimage":
            for f in ("Защ от Земли", "Защ от Огня", "Защ от Воды", "Защ От Возд"):
                put(f, 15 + 4 * L)
            put("Защ От Маг Крит", 10 + 2 * L)
            put("Маг ПротивоУворот", 5 + L)
            put("Сопротивление стихийной защите", 3 + L // 4)
            put("Сила", 2 + L // 5)
        elif k == "forest":
            put("Реген HP", 10)
            put("Рюкзак", 10)
        elif k == "frost":
            put("Уровень Hp", 15)
            put("Уровень Mp", 15)
            put("Рюкзак", 20)
        elif k == "wedding":
            put("Уровень Hp", 10)
            put("Реген HP", 5)
        for f, v in s.bonus.items():
            b[f] = v
        b["Кол-во предметов"] = str(s.needed)
        rows.append(b)
    # Empty slots count as the set "No Full". When they outnumber every worn set, this
    # row of zeros is what clears the previous set's bonus; without it a bonus would stay
    # on screen after its items are taken off.
    no_full = {f: "0" for f in SET_FIELDS}
    no_full["Комплект"] = "No Full"
    no_full["Кол-во предметов"] = "1"
    rows.append(no_full)
    return rows


REPORTS = [
    ("14.09.2025 10:05", "Собран первый каталог: шлемы, броня и оружие для уровней с первого по десятый."),
    ("21.09.2025 18:40", "Добавлены кольца и талисманы, у колец появились картинки."),
    ("02.10.2025 12:15", "Внесены комплекты для уворотов: ангела, погружения, подвижности, хитрости и странника."),
    ("19.10.2025 20:30", "Внесены комплекты для критов и кольцо резни; поправлены требования топоров."),
    ("03.11.2025 09:50", "Танковые комплекты: противостояния, сокрушения, подавления, покорителя и стабильности."),
    ("17.11.2025 16:25", "Первая часть магических комплектов: от погребения до ветров, с посохами."),
    ("01.12.2025 11:00", "Вторая часть магических комплектов: двуручные посохи от капель до торнадо."),
    ("12.12.2025 19:45", "Комплект волхва и четыре его стихийных кольца."),
    ("24.12.2025 21:10", "Праздничные комплекты Деда Мороза и Снегурочки, срок жизни 72 часа."),
    ("15.01.2026 13:35", "Комплекты для антимагов: фараона и отражения. Пересчитана защита от магии."),
    ("08.02.2026 17:20", "Свадебные комплекты жениха и невесты, только для своего пола."),
    ("27.02.2026 10:40", "Обновлённые артефакты: одинокий странник, непреклонный жнец, стремительный покоритель."),
    ("05.03.2026 14:20", "Комплект верховного волхва. Исправлены цены в золоте и масса посохов."),
    ("19.03.2026 08:55", "Бонусы за комплекты пересмотрены, добавлены ауры и интенсивность."),
]


def escape(cell):
    return cell.replace("\\", "\\\\").replace("\t", "\\t").replace("\n", "\\n").replace("\r", "\\r")


def header_cell(name, typ, width):
    if typ == "Text":
        return f"{name}:TEXT({width})"
    return f"{name}:{typ.upper()}"


def write_tsv(path, header, rows):
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write("\t".join(header) + "\n")
        for row in rows:
            f.write("\t".join(escape(c) for c in row) + "\n")


def check_widths(fields, row):
    for (name, typ, width), cell in zip(fields, row):
        if typ == "Text":
            assert len(cell) <= width, (name, cell)


def main(out_dir):
    out = Path(out_dir)
    for s in SETS:
        make_set(s)
    make_loose()
    item_fields = [("ID", "AutoNumber", 0), ("Тип", "Text", 30)] + ITEM_FIELDS
    rows = []
    for i, item in enumerate(ITEMS, 1):
        item["ID"] = str(i)
        row = [item[name] for name, _, _ in item_fields]
        check_widths(item_fields, row)
        rows.append(row)
    write_tsv(out / "Предметы.tsv", [header_cell(*f) for f in item_fields], rows)

    set_rows = set_bonus_rows()
    header = ["ID:AUTONUMBER"] + [f"{f}:TEXT(50)" for f in SET_FIELDS]
    write_tsv(out / "Фулы Бонус.tsv", header,
              [[str(i)] + [b[f] for f in SET_FIELDS] for i, b in enumerate(set_rows, 1)])

    write_tsv(out / "Отчёты.tsv", ["ID:AUTONUMBER", "Дата:TEXT(17)", "Отчёт:TEXT(255)"],
              [[str(i), d, t] for i, (d, t) in enumerate(REPORTS, 1)])
    for d, t in REPORTS:
        assert len(d) <= 17 and len(t) <= 255

    for m in MISSING:
        assert m in FILES, m
    (out / "missing-pictures.txt").write_text(
        "# Pictures named by items but deliberately left out of img/ (the program shows no_image.bmp).\n"
        + "".join(m + "\n" for m in MISSING), encoding="utf-8")

    counts = {}
    for item in ITEMS:
        counts[item["Тип"]] = counts.get(item["Тип"], 0) + 1
    print(len(ITEMS), "items", counts, len(set_rows), "set rows")


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "sample/base")
