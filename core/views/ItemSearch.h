#pragma once

#include "catalogue/Catalogue.h"

#include <QString>
#include <QVector>
#include <array>

namespace veldora {

// The text a name is searched by: letter case folded, "ё" read as "е", runs of
// white space read as one space, none at either end.
QString searchKey(const QString &text);

// Whether a name contains the query under the rules of searchKey. An empty query
// (or one of spaces only) matches every name.
bool nameMatches(const QString &name, const QString &query);

// The catalogue items of every browser tab (rows 1..N of its table) with their
// search keys made once, so that typing a letter only compares.
class CatalogueSearch {
public:
    explicit CatalogueSearch(const Catalogue &catalogue);

    // Rows of `tab` whose name contains `query`, in row order.
    QVector<int> matches(int tab, const QString &query) const;
    int itemCount(int tab) const { return int(keys_[tab].size()); }

private:
    std::array<QVector<QString>, 13> keys_;  // by tab, row - 1
};

}  // namespace veldora
