#include "pages/PageFile.h"
#include "support/QStringPrinter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace veldora;

namespace {
QString writeFile(const QString &path, const QByteArray &bytes) {
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return path;
}
}  // namespace

TEST(PageFile, MissingUnreadableEmptyAndBinaryPagesSayWhyInsteadOfShowingNothing) {
    QTemporaryDir dir;
    const QString missing = dir.path() + QStringLiteral("/нет.html");
    EXPECT_EQ(readPageFile(missing).problem, QStringLiteral("Страница не найдена: ") + missing);
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("папка.html")));
    const QString folder = dir.path() + QStringLiteral("/папка.html");
    EXPECT_EQ(readPageFile(folder).problem, QStringLiteral("Страница не открывается: ") + folder);
    for (const QByteArray &bytes : {QByteArray(), QByteArray(" \r\n"), QByteArray("GIF89a\0\0\x01", 9)}) {
        const QString bad = writeFile(dir.path() + QStringLiteral("/bad.html"), bytes);
        EXPECT_EQ(readPageFile(bad).problem, QStringLiteral("Страница повреждена: ") + bad);
    }
    const PageText good = readPageFile(writeFile(dir.path() + QStringLiteral("/ok.html"), "<p>Бонусы</p>"));
    EXPECT_TRUE(good.ok());
    EXPECT_EQ(good.html, QStringLiteral("<p>Бонусы</p>"));
    // The line shown in the view is plain text, whatever the path holds.
    EXPECT_TRUE(pageProblemHtml(QStringLiteral("/a<b>&c.html")).contains(QStringLiteral("/a&lt;b&gt;&amp;c.html")));
}

TEST(PageFile, PagesOfTheWindowsVersionReadInTheirCodePage) {
    const QByteArray privet("\xcf\xf0\xe8\xe2\xe5\xf2");  // "Привет" in Windows-1251
    EXPECT_EQ(decodePageBytes("<p>" + privet + "</p>"), QStringLiteral("<p>Привет</p>"));
    const QByteArray declared = "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; "
                                "charset=windows-1251\"></head><body>" + privet + "</body></html>";
    EXPECT_TRUE(decodePageBytes(declared).contains(QStringLiteral("<body>Привет</body>")));
    EXPECT_EQ(decodePageBytes(QStringLiteral("<p>Привет</p>").toUtf8()), QStringLiteral("<p>Привет</p>"));
    EXPECT_EQ(decodePageBytes("\xEF\xBB\xBF" + QStringLiteral("Привет").toUtf8()), QStringLiteral("Привет"));
    // UTF-16 holds NUL bytes and is still a page.
    QByteArray utf16("\xFF\xFE", 2);
    for (QChar c : QStringLiteral("<p>Щит</p>")) utf16 += QByteArray(reinterpret_cast<const char *>(&c), 2);
    QTemporaryDir dir;
    const PageText read = readPageFile(writeFile(dir.path() + QStringLiteral("/u16.html"), utf16));
    EXPECT_EQ(read.problem, QString());
    EXPECT_EQ(read.html, QStringLiteral("<p>Щит</p>"));
}
