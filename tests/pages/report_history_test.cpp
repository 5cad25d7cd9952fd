#include "pages/ReportHistory.h"
#include "support/QStringPrinter.h"

#include <gtest/gtest.h>

using namespace veldora;

namespace {
// `count` reports newest first, as the catalogue holds them: IDs count..1.
QVector<Report> reports(int count) {
    QVector<Report> r;
    for (int id = count; id >= 1; --id)
        r.append({QString::number(id), QStringLiteral("%1.01.2026").arg(id, 2, 10, QLatin1Char('0')),
                  QStringLiteral("Отчёт %1").arg(id)});
    return r;
}
int shownCount(const ReportPage &page) {
    int n = 0;
    for (const ReportSlot &s : page) n += s.shown;
    return n;
}
}  // namespace

TEST(ReportHistory, SixReportsAPageRoundedUpNewestFirst) {
    EXPECT_EQ(reportPageCount(0), 0);
    EXPECT_EQ(reportPageCount(1), 1);
    EXPECT_EQ(reportPageCount(6), 1);
    EXPECT_EQ(reportPageCount(7), 2);
    EXPECT_EQ(reportPageCount(13), 3);

    ReportHistory history(reports(13));
    ASSERT_EQ(history.pageCount(), 3);
    EXPECT_EQ(history.currentPage(), 0);
    EXPECT_EQ(shownCount(history.shownPage()), 0);

    ASSERT_TRUE(history.showPage(1));
    EXPECT_EQ(history.currentPage(), 1);
    EXPECT_EQ(shownCount(history.shownPage()), 6);
    EXPECT_EQ(history.shownPage()[0], (ReportSlot{true, QStringLiteral("13.01.2026"), QStringLiteral("Отчёт 13")}));
    EXPECT_EQ(history.shownPage()[5].text, QStringLiteral("Отчёт 8"));
    EXPECT_EQ(history.page(2)[0].text, QStringLiteral("Отчёт 7"));

    // The last page holds only the oldest report, in the first slot.
    ASSERT_TRUE(history.showPage(3));
    EXPECT_EQ(history.shownPage()[0], (ReportSlot{true, QStringLiteral("01.01.2026"), QStringLiteral("Отчёт 1")}));
    EXPECT_EQ(shownCount(history.shownPage()), 1);

    // No such page: nothing changes.
    EXPECT_FALSE(history.showPage(4));
    EXPECT_FALSE(history.showPage(0));
    EXPECT_EQ(history.currentPage(), 3);
    EXPECT_EQ(shownCount(history.shownPage()), 1);

    ReportHistory seven(reports(7));
    EXPECT_EQ(seven.pageCount(), 2);
    EXPECT_EQ(shownCount(seven.page(2)), 1);
    ReportHistory six(reports(6));
    EXPECT_EQ(six.pageCount(), 1);
    EXPECT_EQ(shownCount(six.page(1)), 6);

    ReportHistory none({});
    EXPECT_EQ(none.pageCount(), 0);
    EXPECT_FALSE(none.showPage(1));
    EXPECT_EQ(none.currentPage(), 0);
}

TEST(ReportHistory, AtMostTwoHundredFiftyFivePagesAndReportsWithoutIdStayHidden) {
    ReportHistory many(reports(255 * 6 + 7));
    EXPECT_EQ(many.pageCount(), 255);
    ASSERT_TRUE(many.showPage(255));
    EXPECT_EQ(shownCount(many.shownPage()), 6);
    EXPECT_EQ(many.shownPage()[5].text, QStringLiteral("Отчёт 8"));
    EXPECT_FALSE(many.showPage(256));

    QVector<Report> gap = reports(3);
    gap[1].id.clear();
    ReportHistory history(gap);
    ASSERT_TRUE(history.showPage(1));
    EXPECT_TRUE(history.shownPage()[0].shown);
    EXPECT_FALSE(history.shownPage()[1].shown);
    EXPECT_TRUE(history.shownPage()[2].shown);
}

TEST(ReportHistory, PageLabelsSevenApartFromElevenInAPanelCentredByEvenRounding) {
    const PageLabelRow row = layoutPageLabels({8, 8, 16}, 967);
    EXPECT_EQ(row.lefts, (QVector<int>{11, 26, 41}));
    EXPECT_EQ(row.panelWidth, 64);
    EXPECT_EQ(row.panelLeft, 452);  // (967 - 64) / 2 = 451.5
    EXPECT_EQ(layoutPageLabels({8}, 967).panelLeft, 470);  // 470.5
    EXPECT_EQ(layoutPageLabels({9}, 967).panelLeft, 470);
    EXPECT_EQ(layoutPageLabels({}, 967).panelWidth, 11);
}
