// The fuzz corpus replayed in the ordinary build: the seeds our writer made, and every
// input that fuzzing once found wrong, kept beside them as it was found.

#include "LibmdbProperties.h"
#include "QStringPrinter.h"
#include "StderrCapture.h"
#include "catalogue/CatalogueLoader.h"
#include "catalogue/JetPropertyCheck.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace veldora;

namespace {

struct Input {
    QString name;
    QByteArray bytes;
};

std::vector<Input> corpus(const char *folder) {
    std::vector<Input> inputs;
    const QDir dir(QStringLiteral(VELDORA_FUZZ_CORPUS "/") + QLatin1String(folder));
    for (const QString &name : dir.entryList(QDir::Files, QDir::Name)) {
        QFile f(dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name.toStdString();
        inputs.push_back({name, f.readAll()});
    }
    return inputs;
}

}  // namespace

TEST(FuzzCorpus, EveryDatabaseEndsInACatalogueOrOneMessageWithLibmdbSilent) {
    const auto inputs = corpus("files");
    ASSERT_GE(inputs.size(), 5u);
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("base")));
    for (const Input &in : inputs) {
        QFile out(catalogueDatabasePath(dir.path()));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(in.bytes);
        out.close();
        veldora::testing::StderrCapture capture;
        const CatalogueLoad load = loadCatalogue(dir.path());
        EXPECT_EQ(capture.release(), QByteArray()) << in.name.toStdString();
        EXPECT_NE(bool(load.catalogue), !load.error.isEmpty()) << in.name.toStdString();
        if (in.name.startsWith(QStringLiteral("seed-"))) {
            EXPECT_EQ(load.error, QString()) << in.name.toStdString();
        }
    }
}

TEST(FuzzCorpus, LibmdbParsesEveryAcceptedPropertyBlobWithinItsBytes) {
    const auto inputs = corpus("properties");
    ASSERT_GE(inputs.size(), 2u);
    QByteArray database;
    {
        QFile f(QStringLiteral(VELDORA_FUZZ_CORPUS "/files/seed-small.mdb"));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        database = f.readAll();
    }
    MdbHandle *mdb = mdb_open_buffer(database.data(), size_t(database.size()), MDB_NOFLAGS);
    ASSERT_TRUE(mdb);
    for (const Input &in : inputs) {
        const QString problem = checkJetProperties(in.bytes);
        if (in.name.startsWith(QStringLiteral("seed-"))) {
            EXPECT_EQ(problem, QString()) << in.name.toStdString();
        }
        if (problem.isEmpty()) {
            EXPECT_EQ(fuzz::libmdbParsesProperties(mdb, in.bytes), QByteArray()) << in.name.toStdString();
        }
    }
    mdb_close(mdb);
}
