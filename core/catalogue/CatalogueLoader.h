#pragma once

#include "catalogue/Catalogue.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace veldora {

// What start-up gets from the item database.
struct CatalogueLoad {
    std::optional<Catalogue> catalogue;  // set only when everything was read
    QString error;                       // one Russian message when the catalogue is absent
    QStringList warnings;                // Russian messages to show once; the catalogue is still usable
};

// `<programFolder>/base/main.mdb`, either name in any letter case.
QString catalogueDatabasePath(const QString &programFolder);

// Reads the item database of the program folder: the thirteen categories from `Предметы`
// (`Тип` compared without regard to letter case; each category ordered by required level,
// equal levels in storage order), the set bonuses from
// `Фулы Бонус` (by set name under a Russian, case-insensitive collation) and the reports
// from `Отчёты` (newest first). A category keeps at most 255 items and the set table at
// most 254 sets; what does not fit is left out with a warning, and `itemCount` still
// counts every item of the 13 categories. A missing or damaged file, a missing table or
// field, or a field without a value (NULL) in a record that is read gives an error and
// no catalogue at all.
CatalogueLoad loadCatalogue(const QString &programFolder);

// The same for a database file given by its path.
CatalogueLoad loadCatalogueFile(const QString &databasePath);

}  // namespace veldora
