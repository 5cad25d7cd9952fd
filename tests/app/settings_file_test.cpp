#include "app/SettingsFile.h"
#include "catalogue/ProgramFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace veldora;

namespace {
QByteArray fileBytes(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}
void writeBytes(const QString &path, const QByteArray &bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}
}  // namespace

TEST(SettingsFile, MissingShortOrOddFilesReadAsOff) {
    QTemporaryDir dir;
    EXPECT_EQ(readSettingsFile(dir.path()), Settings{});
    writeBytes(settingsFilePath(dir.path()), QByteArray(1, 1));
    EXPECT_EQ(readSettingsFile(dir.path()), Settings{});
    writeBytes(settingsFilePath(dir.path()), QByteArray("\x01\x02", 2));
    EXPECT_EQ(readSettingsFile(dir.path()), (Settings{true, false}));
    writeBytes(settingsFilePath(dir.path()), QByteArray("\x00\x01trailing", 10));
    EXPECT_EQ(readSettingsFile(dir.path()), (Settings{false, true}));
}

TEST(SettingsFile, WriteReplacesTheWholeFileWithTwoBytes) {
    QTemporaryDir dir;
    writeBytes(settingsFilePath(dir.path()), QByteArray("old content, longer"));
    QString error;
    ASSERT_TRUE(writeSettingsFile(dir.path(), {false, true}, &error));
    EXPECT_EQ(fileBytes(settingsFilePath(dir.path())), QByteArray("\x00\x01", 2));
    ASSERT_TRUE(writeSettingsFile(dir.path(), {true, false}, &error));
    EXPECT_EQ(fileBytes(settingsFilePath(dir.path())), QByteArray("\x01\x00", 2));
}

TEST(SettingsFile, FailedWriteReportsInRussianAndKeepsTheOldFile) {
    QTemporaryDir dir;
    const QString folder = dir.path() + QStringLiteral("/нет такой папки");
    QString error;
    EXPECT_FALSE(writeSettingsFile(folder, {true, true}, &error));
    EXPECT_TRUE(error.startsWith(QStringLiteral("Не удалось сохранить настройки")));

    EXPECT_EQ(error, QStringLiteral("Не удалось сохранить настройки в файл %1/ini.ini: файл или каталог не существует")
                         .arg(folder));

    // A folder whose settings file is a directory cannot be written either; nothing is lost.
    QDir(dir.path()).mkpath(QStringLiteral("ini.ini"));
    EXPECT_FALSE(writeSettingsFile(dir.path(), {true, true}, &error));
    EXPECT_TRUE(QFileInfo(settingsFilePath(dir.path())).isDir());
    EXPECT_TRUE(error.endsWith(QStringLiteral(": имя файла ссылается на каталог"))) << error.toStdString();
}

TEST(SettingsFile, AFileNamedInAnotherLetterCaseIsTheOneReadAndReplaced) {
    QTemporaryDir dir;
    const QString windowsName = dir.path() + QStringLiteral("/INI.INI");
    writeBytes(windowsName, QByteArray("\x01\x01", 2));
    forgetFolderListings();
    EXPECT_EQ(readSettingsFile(dir.path()), (Settings{true, true}));
    QString error;
    ASSERT_TRUE(writeSettingsFile(dir.path(), {true, false}, &error)) << error.toStdString();
    EXPECT_EQ(fileBytes(windowsName), QByteArray("\x01\x00", 2));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("INI.INI")});

    // A folder without one gets ini.ini, found at once by the next read.
    QTemporaryDir fresh;
    EXPECT_EQ(readSettingsFile(fresh.path()), Settings{});
    ASSERT_TRUE(writeSettingsFile(fresh.path(), {false, true}, &error));
    EXPECT_TRUE(QFileInfo::exists(fresh.path() + QStringLiteral("/ini.ini")));
    EXPECT_EQ(readSettingsFile(fresh.path()), (Settings{false, true}));
}
