#pragma once

// The seed corpus of the fuzz targets, made by our Jet writer: small item databases that
// load (with and without table properties in each long-value form) and property blobs.
// `fuzz_seeds DIR` writes them to DIR/files and DIR/properties; fuzz/corpus holds them.

#include <QByteArray>
#include <QString>
#include <vector>

namespace veldora::fuzz {

struct Seed {
    QString name;
    QByteArray bytes;
};

std::vector<Seed> databaseSeeds();  // named seed-*: each loads
std::vector<Seed> tinySeeds();      // databases that lack the fields the loader needs
std::vector<Seed> propertySeeds();

}  // namespace veldora::fuzz
