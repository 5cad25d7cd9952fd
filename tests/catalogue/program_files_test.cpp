#include "catalogue/ProgramFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace veldora;

namespace {
void touch(const QString &path) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
}
}  // namespace

TEST(ProgramFiles, StoredWindowsPathsFindFilesWhoseCaseDiffers) {
    QTemporaryDir dir;
    const QString root = dir.path();
    touch(root + "/img/Helm_Staryy.JPG");
    touch(root + "/DataObject/img/Меч героя.jpg");
    touch(root + "/pages/Чары/Огонь.html");
    forgetFolderListings();

    // Exact names, either separator, with and without the leading one.
    EXPECT_EQ(resolveStoredPath(root, "\\pages\\Чары\\Огонь.html"), root + "/pages/Чары/Огонь.html");
    EXPECT_EQ(resolveStoredPath(root, "pages/Чары/Огонь.html"), root + "/pages/Чары/Огонь.html");
    // Letter case differing in the file and in a folder, Cyrillic included.
    EXPECT_EQ(resolveStoredPath(root, "img\\helm_staryy.jpg"), root + "/img/Helm_Staryy.JPG");
    EXPECT_EQ(resolveStoredPath(root, "dataobject\\IMG\\МЕЧ ГЕРОЯ.JPG"), root + "/DataObject/img/Меч героя.jpg");
    EXPECT_TRUE(storedFileExists(root, "IMG/HELM_STARYY.jpg"));

    // Nothing matches: the exact path, for a message; a folder is not a file.
    EXPECT_EQ(resolveStoredPath(root, "img\\missing.bmp"), root + "/img/missing.bmp");
    EXPECT_FALSE(storedFileExists(root, "img/missing.bmp"));
    EXPECT_FALSE(storedFileExists(root, "IMG"));
    EXPECT_FALSE(storedFileExists(root, ""));
}

TEST(ProgramFiles, AFileAddedLaterIsFoundOnceTheListingsAreForgotten) {
    QTemporaryDir dir;
    const QString root = dir.path();
    touch(root + "/img/a.bmp");
    forgetFolderListings();
    EXPECT_FALSE(storedFileExists(root, "img/NEW.bmp"));  // the listing of img/ is now cached
    touch(root + "/img/new.bmp");
    EXPECT_TRUE(storedFileExists(root, "img/new.bmp"));  // the exact name needs no listing
    EXPECT_FALSE(storedFileExists(root, "img/NEW.bmp"));
    forgetFolderListings();
    EXPECT_TRUE(storedFileExists(root, "img/NEW.bmp"));
}
