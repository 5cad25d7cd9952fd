#include "pages/PageTable.h"

namespace veldora {

namespace {

constexpr PageMenuLine menu(int depth, const char *caption, const char *objectName) {
    return {depth, PageLineKind::Submenu, caption, objectName, nullptr};
}
constexpr PageMenuLine page(int depth, const char *caption, const char *objectName, const char *path) {
    return {depth, PageLineKind::Page, caption, objectName, path};
}
constexpr PageMenuLine sep(int depth) { return {depth, PageLineKind::Separator, nullptr, nullptr, nullptr}; }

// clang-format off
const PageMenuLine kLines[] = {
    menu(0, "Бонусы", "MenuPagesBonus"),
      menu(1, "За комплекты", "MenuPagesSetBonus"),
        page(2, "Для уворотов", "N13", "/pages/bonus/bonus_uvorot.html"),
        page(2, "Для критов", "N14", "/pages/bonus/bonus_krit.html"),
        page(2, "Для танков", "N15", "/pages/bonus/bonus_tank.html"),
        page(2, "Для магов", "N16", "/pages/bonus/bonus_mag.html"),
        page(2, "Для антимагов", "N17", "/pages/bonus/bonus_antimag.html"),
        sep(2),
        page(2, "Другие", "N18", "/pages/bonus/bonus_other.html"),
      page(1, "За статы", "N11", "/pages/bonus/bonus_stat.html"),
    menu(0, "Описание чар", "MenuPagesEnchant"),
      page(1, "Общий круг", "N332", "/pages/Чары/Общий круг.html"),
      page(1, "Металл", "N333", "/pages/Чары/Металл.html"),
      page(1, "Пространство", "N334", "/pages/Чары/Пространство.html"),
      page(1, "Физическая материя", "N335", "/pages/Чары/Физ.html"),
      sep(1),
      page(1, "Вода", "N337", "/pages/Чары/Вода.html"),
      page(1, "Земля", "N338", "/pages/Чары/Земля.html"),
      page(1, "Воздух", "N339", "/pages/Чары/Воздух.html"),
      page(1, "Огонь", "N340", "/pages/Чары/Огонь.html"),
};
// clang-format on

}  // namespace

std::span<const PageMenuLine> pageMenu() { return kLines; }

QVector<PageEntry> pageEntries() {
    QVector<PageEntry> entries;
    QStringList path;  // captions of the submenus open at each depth
    for (const PageMenuLine &line : kLines) {
        path = path.mid(0, line.depth);
        if (line.kind == PageLineKind::Submenu) path.append(QString::fromUtf8(line.caption));
        if (line.kind != PageLineKind::Page) continue;
        entries.append({path + QStringList{QString::fromUtf8(line.caption)}, QString::fromUtf8(line.objectName),
                        QString::fromUtf8(line.page)});
    }
    return entries;
}

const std::array<Article, kArticleCount> kArticles{{
    {"Label1", "Информация о надетом предмете"},
    {"Label2", "Меню. База предметов"},
    {"Label4", "Меню. Инструменты"},
    {"Label3", "Меню. Одеть комплект"},
    {"Label6", "Меню. О программе"},
    {"Label5", "Меню. Персонаж"},
    {"Label8", "Основное окно персонажа"},
    {"Label7", "Основные параметры персонажа"},
    {"Label9", "Параметры владения магией"},
    {"Label10", "Различные характеристики персонажа"},
    {"Label13", "Стоимость и масса"},
    {"Label12", "Уровень персонажа"},
}};

QString articleStoredPath(const QString &title) {
    return QStringLiteral("\\pages\\articles\\") + title + QStringLiteral(".html");
}

}  // namespace veldora
