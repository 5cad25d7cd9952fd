#include "app/PlayerFolder.h"
#include "catalogue/ProgramFiles.h"
#include "support/QStringPrinter.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace veldora;

namespace {

QByteArray bytes(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void write(const QString &path, const QByteArray &content) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(content);
}

QStringList files(const QString &root) {
    QStringList found;
    QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) found << QDir(root).relativeFilePath(it.next());
    found.sort();
    return found;
}

// An installed program: usr/bin holds the executable, usr/share/veldora/program
// the sample, read-only as a package leaves it.
struct Installed {
    QTemporaryDir dir;
    QString bin = dir.path() + QStringLiteral("/usr/bin");
    QString sample = dir.path() + QStringLiteral("/usr/share/veldora/program");
    QString home = dir.path() + QStringLiteral("/home/игрок");
    Installed() {
        QDir().mkpath(bin);
        QDir().mkpath(home);
        write(sample + QStringLiteral("/base/main.mdb"), "database");
        write(sample + QStringLiteral("/img/no_image.bmp"), "picture");
        write(sample + QStringLiteral("/ini.ini"), QByteArray("\x00\x01", 2));
        QDir().mkpath(sample + QStringLiteral("/pages"));
        for (const QString &f : files(sample)) QFile::setPermissions(sample + '/' + f, QFileDevice::ReadOwner | QFileDevice::ReadOther);
    }
    FolderChoice fromMenu() const {
        return chooseProgramFolder({QStringLiteral("veldora"), kFromMenuSwitch}, QStringLiteral("/"), home, bin);
    }
};

}  // namespace

TEST(PlayerFolder, FromTheMenuThePlayersFolderIsMadeFromTheSampleAndNeverOverwritten) {
    Installed app;
    const QString mine = app.home + QStringLiteral("/Вельдора");
    // A folder the player made, without a database: it gets what it lacks, keeps what it has.
    write(mine + QStringLiteral("/DataObject/Меч.Мечи"), "custom item");
    const FolderChoice first = app.fromMenu();
    EXPECT_EQ(first.error, QString());
    EXPECT_EQ(first.folder, mine);
    EXPECT_EQ(files(mine), QStringList{QStringLiteral("DataObject/Меч.Мечи")} + files(app.sample));
    EXPECT_EQ(bytes(mine + QStringLiteral("/DataObject/Меч.Мечи")), QByteArray("custom item"));
    EXPECT_TRUE(QFileInfo(mine + QStringLiteral("/pages")).isDir());
    EXPECT_TRUE(QFileInfo(mine + QStringLiteral("/ini.ini")).permissions() & QFileDevice::WriteOwner)
        << "the player's copy of the read-only sample can be saved";

    // Once it holds a database, later starts change nothing the player did.
    write(mine + QStringLiteral("/ini.ini"), QByteArray("\x01\x00", 2));
    ASSERT_TRUE(QFile::remove(mine + QStringLiteral("/img/no_image.bmp")));
    EXPECT_EQ(app.fromMenu().error, QString());
    EXPECT_EQ(bytes(mine + QStringLiteral("/ini.ini")), QByteArray("\x01\x00", 2));
    EXPECT_FALSE(QFileInfo::exists(mine + QStringLiteral("/img/no_image.bmp")));

    // A folder brought from Windows (its database as BASE/MAIN.MDB) is the player's already.
    Installed second;
    write(second.home + QStringLiteral("/Вельдора/BASE/MAIN.MDB"), "from windows");
    forgetFolderListings();
    EXPECT_EQ(second.fromMenu().error, QString());
    EXPECT_EQ(files(second.home + QStringLiteral("/Вельдора")), QStringList{QStringLiteral("BASE/MAIN.MDB")});
}

TEST(PlayerFolder, WithoutTheSwitchTheWorkingFolderIsUsedAndFailuresAreSaidInRussian) {
    Installed app;
    const FolderChoice here = chooseProgramFolder({QStringLiteral("veldora")}, QStringLiteral("/игры/вельдора"), app.home, app.bin);
    EXPECT_EQ(here.folder, QStringLiteral("/игры/вельдора"));
    EXPECT_EQ(here.error, QString());
    EXPECT_FALSE(QFileInfo::exists(app.home + QStringLiteral("/Вельдора"))) << "nothing made";

    QTemporaryDir bare;  // no sample beside the program
    const FolderChoice none = chooseProgramFolder({kFromMenuSwitch}, QStringLiteral("/"), bare.path(), bare.path() + QStringLiteral("/bin"));
    EXPECT_TRUE(none.error.startsWith(QStringLiteral("Папка программы «%1/Вельдора» не создана").arg(bare.path())))
        << none.error.toStdString();

    write(app.home + QStringLiteral("/Вельдора"), "a file");  // where the folder would go
    EXPECT_EQ(app.fromMenu().error, QStringLiteral("Не удалось создать папку программы «%1/Вельдора».").arg(app.home));
}
