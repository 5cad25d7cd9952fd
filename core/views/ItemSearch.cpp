#include "views/ItemSearch.h"

#include "app/CatalogueTabs.h"

namespace veldora {

QString searchKey(const QString &text) {
    QString key = text.simplified().toCaseFolded();
    key.replace(QChar(0x0451), QChar(0x0435));  // ё → е (Ё has been folded to ё)
    return key;
}

bool nameMatches(const QString &name, const QString &query) { return searchKey(name).contains(searchKey(query)); }

CatalogueSearch::CatalogueSearch(const Catalogue &catalogue) {
    static_assert(kCatalogueTabCount == 13);
    for (int t = 0; t < kCatalogueTabCount; ++t) {
        const CategoryTable &table = catalogue.table(kCatalogueTabs[t].category);
        const int n = std::max(0, table.rowCount() - 1);
        keys_[t].reserve(n);
        for (int row = 1; row <= n; ++row) keys_[t].append(searchKey(table.cellRef(col::Name, row)));
    }
}

QVector<int> CatalogueSearch::matches(int tab, const QString &query) const {
    const QString key = searchKey(query);
    const QVector<QString> &keys = keys_[tab];
    QVector<int> rows;
    for (int i = 0; i < keys.size(); ++i)
        if (keys[i].contains(key)) rows.append(i + 1);
    return rows;
}

}  // namespace veldora
