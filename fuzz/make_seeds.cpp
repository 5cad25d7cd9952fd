// fuzz_seeds DIR: writes the seed corpus (DIR/files, DIR/properties).

#include "FuzzSeeds.h"

#include <QDir>
#include <QFile>

#include <cstdio>

int main(int argc, char **argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_seeds DIR\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    std::vector<veldora::fuzz::Seed> files = veldora::fuzz::databaseSeeds();
    for (veldora::fuzz::Seed &s : veldora::fuzz::tinySeeds()) files.push_back(std::move(s));
    const std::pair<const char *, std::vector<veldora::fuzz::Seed>> groups[] = {
        {"files", files}, {"properties", veldora::fuzz::propertySeeds()}};
    for (const auto &[folder, seeds] : groups) {
        if (!out.mkpath(QString::fromLatin1(folder))) return 1;
        for (const veldora::fuzz::Seed &s : seeds) {
            QFile f(out.filePath(QString::fromLatin1(folder) + QLatin1Char('/') + s.name));
            if (s.bytes.isEmpty() || !f.open(QIODevice::WriteOnly) || f.write(s.bytes) != s.bytes.size()) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(f.fileName()));
                return 1;
            }
        }
    }
    return 0;
}
