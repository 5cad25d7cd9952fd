#include "pages/ReportHistory.h"
#include "support/QStringPrinter.h"

#include <gtest/gtest.h>

using namespace veldora;

namespace {
// `count` reports newest first, as the catalogue holds them: IDs count..1.
QVector<Report> reports(int count) {
    QVector<Report> r;
    for (int id = count; id >= 1; --id) r.append({QString::number(id), QStringLiteral("d%1").arg(id), QStringLiteral("r%1").arg(id)});
    return r;
}
int shownCount(const ReportPage &page) {
    int n = 0;
    for (const ReportSlot &s : page) n += s.shown;
    return n;
}
}  // namespace

TEST(ReportHistory, SixReportsAPageRoundedUpNewestFirstAtMost255Pages) {
    EXPECT_EQ(reportPageCount(0), 0);
    EXPECT_EQ(reportPageCount(6), 1);
    EXPECT_EQ(reportPageCount(7), 2);
    EXPECT_EQ(reportPageCount(255 * 6 + 7), 255);

    ReportHistory history(reports(13));
    ASSERT_EQ(history.pageCount(), 3);
    EXPECT_EQ(history.currentPage(), 0);
    EXPECT_EQ(shownCount(history.shownPage()), 0);
    ASSERT_TRUE(history.showPage(1));
    EXPECT_EQ(history.shownPage()[0], (ReportSlot{true, QStringLiteral("d13"), QStringLiteral("r13")}));
    EXPECT_EQ(history.shownPage()[5].text, QStringLiteral("r8"));
    EXPECT_EQ(history.page(2)[0].text, QStringLiteral("r7"));
    // The last page holds only the oldest report, in the first slot.
    ASSERT_TRUE(history.showPage(3));
    EXPECT_EQ(history.shownPage()[0].text, QStringLiteral("r1"));
    EXPECT_EQ(shownCount(history.shownPage()), 1);
    // No such page: nothing changes.
    EXPECT_FALSE(history.showPage(4));
    EXPECT_FALSE(history.showPage(0));
    EXPECT_EQ(history.currentPage(), 3);
    EXPECT_EQ(shownCount(ReportHistory(reports(7)).page(2)), 1);
    EXPECT_FALSE(ReportHistory({}).showPage(1));

    ReportHistory many(reports(255 * 6 + 7));
    EXPECT_EQ(shownCount(many.page(255)), 6);
    EXPECT_EQ(many.page(255)[5].text, QStringLiteral("r8"));
    EXPECT_FALSE(many.showPage(256));

    // A report without an ID leaves its slot empty.
    QVector<Report> gap = reports(3);
    gap[1].id.clear();
    const ReportPage page = ReportHistory(gap).page(1);
    EXPECT_TRUE(page[0].shown && !page[1].shown && page[2].shown);
}

TEST(ReportHistory, PageLabelsSevenApartFromElevenInAPanelCentredByEvenRounding) {
    const PageLabelRow row = layoutPageLabels({8, 8, 16}, 967);
    EXPECT_EQ(row.lefts, (QVector<int>{11, 26, 41}));
    EXPECT_EQ(row.panelWidth, 64);
    EXPECT_EQ(row.panelLeft, 452);                         // 451.5
    EXPECT_EQ(layoutPageLabels({8}, 967).panelLeft, 470);  // 470.5
    EXPECT_EQ(layoutPageLabels({}, 967).panelWidth, 11);
}
