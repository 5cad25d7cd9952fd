#include "catalogue/FileErrorText.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/QStringPrinter.h"

using namespace veldora;

// Without Qt's translation loaded (as here) its descriptions are English; the
// player still reads every one in Russian.
TEST(FileErrorText, NamesEveryFailureInRussian) {
    QTemporaryDir dir;
    const QString folder = dir.path() + QStringLiteral("/папка");
    ASSERT_TRUE(QDir().mkpath(folder));

    QFile directory(folder);
    EXPECT_FALSE(directory.open(QIODevice::ReadOnly));
    EXPECT_EQ(fileErrorText(directory), QStringLiteral("открываемый файл является каталогом"));

    QFile missing(dir.path() + QStringLiteral("/нет.mdb"));
    EXPECT_FALSE(missing.open(QIODevice::ReadOnly));
    EXPECT_EQ(fileErrorText(missing), QStringLiteral("файл или каталог не существует"));

    QSaveFile overFolder(folder);
    EXPECT_FALSE(overFolder.open(QIODevice::WriteOnly));
    EXPECT_EQ(fileErrorText(overFolder), QStringLiteral("имя файла ссылается на каталог"));

    if (QFile::exists(QStringLiteral("/dev/full"))) {
        QFile full(QStringLiteral("/dev/full"));
        ASSERT_TRUE(full.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        EXPECT_EQ(full.write("ab", 2), -1);
        EXPECT_EQ(fileErrorText(full), QStringLiteral("нет свободного места на устройстве"));
    }

    QFile fine(folder + QStringLiteral("/файл"));
    ASSERT_TRUE(fine.open(QIODevice::WriteOnly));
    EXPECT_EQ(fileErrorText(fine), QString());
}
