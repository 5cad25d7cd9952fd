#include "catalogue/ProgramFiles.h"
#include "pages/PageFadeIn.h"
#include "pages/PageTable.h"
#include "support/QStringPrinter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <vector>

using namespace veldora;

TEST(PageTable, MenuPathsSeparatorsAndArticleFilesWhateverTheLetterCaseOnDisk) {
    const QVector<PageEntry> pages = pageEntries();
    ASSERT_EQ(pages.size(), 15);
    // The caption is not the file name everywhere: "Физическая материя" is Физ.html.
    EXPECT_EQ(pages[10].objectName, QStringLiteral("N335"));
    EXPECT_EQ(pages[10].menuPath, (QStringList{QStringLiteral("Описание чар"), QStringLiteral("Физическая материя")}));
    EXPECT_EQ(pages[10].page, QStringLiteral("/pages/Чары/Физ.html"));
    EXPECT_EQ(pages[6].menuPath, (QStringList{QStringLiteral("Бонусы"), QStringLiteral("За статы")}));

    std::vector<std::pair<int, QString>> separatorsBefore;
    const auto lines = pageMenu();
    for (std::size_t i = 0; i + 1 < lines.size(); ++i)
        if (lines[i].kind == PageLineKind::Separator)
            separatorsBefore.push_back({lines[i].depth, QString::fromUtf8(lines[i + 1].caption)});
    EXPECT_EQ(separatorsBefore, (std::vector<std::pair<int, QString>>{{2, QStringLiteral("Другие")},
                                                                      {1, QStringLiteral("Вода")}}));

    const QString stored = articleStoredPath(QString::fromUtf8(kArticles.back().title));
    EXPECT_EQ(stored, QStringLiteral("\\pages\\articles\\Уровень персонажа.html"));
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("Pages/Articles")));
    QFile f(dir.path() + QStringLiteral("/Pages/Articles/уровень ПЕРСОНАЖА.HTML"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    forgetFolderListings();
    EXPECT_EQ(resolveStoredPath(dir.path(), stored), f.fileName());
}

TEST(PageFadeIn, RisesByThreeToTwoHundredFiftyFiveAndLaterActivationsStartFromTwo) {
    PageFadeIn fade;
    EXPECT_FALSE(fade.step());  // no tick before the window is active
    EXPECT_EQ(fade.opacity(), 0);
    auto run = [&fade] {
        std::vector<int> seen;
        fade.start();
        while (fade.running() && seen.size() < 1000) {
            fade.step();
            seen.push_back(fade.opacity());
        }
        return seen;
    };
    const std::vector<int> first = run();
    ASSERT_EQ(first.size(), 84u);
    EXPECT_EQ(first[0], 3);
    EXPECT_EQ(first[82], 249);
    EXPECT_EQ(first[83], 255);
    // 255 + 3 wraps to 2: the window turns almost transparent and fades in again.
    const std::vector<int> again = run();
    ASSERT_EQ(again.size(), 84u);
    EXPECT_EQ(again[0], 2);
    EXPECT_EQ(again[82], 248);
    EXPECT_EQ(again[83], 255);
    // An activation while the fade-in runs goes on from where it stands.
    fade.start();
    fade.step();
    fade.start();
    fade.step();
    EXPECT_EQ(fade.opacity(), 5);
}
