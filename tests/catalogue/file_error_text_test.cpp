#include "catalogue/FileErrorText.h"

#include <QFile>
#include <gtest/gtest.h>

#include "support/QStringPrinter.h"

using namespace veldora;

// The loader's and the settings file's messages show the common reasons; here
// the one a full disk gives, which Qt reports by its kind, and no error at all.
TEST(FileErrorText, AFullDiskIsNamedInRussianAndNoErrorIsNothing) {
    if (!QFile::exists(QStringLiteral("/dev/full"))) GTEST_SKIP() << "no /dev/full";
    QFile full(QStringLiteral("/dev/full"));
    ASSERT_TRUE(full.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    EXPECT_EQ(fileErrorText(full), QString());
    EXPECT_EQ(full.write("ab", 2), -1);
    EXPECT_EQ(fileErrorText(full), QStringLiteral("нет свободного места на устройстве"));
}
