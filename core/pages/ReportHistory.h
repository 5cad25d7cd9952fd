#pragma once

#include "catalogue/Catalogue.h"

#include <QString>
#include <QVector>
#include <array>

namespace veldora {

constexpr int kReportsPerPage = 6;
// Page numbers were one byte in the Windows version: reports beyond page 255 have
// no label to reach them.
constexpr int kMaxReportPages = 255;

// The number of pages for `reportCount` reports: six a page, rounded up, at most
// kMaxReportPages.
int reportPageCount(int reportCount);

// One of the six report slots of a page.
struct ReportSlot {
    bool shown = false;
    QString date;
    QString text;
    bool operator==(const ReportSlot &) const = default;
};
using ReportPage = std::array<ReportSlot, kReportsPerPage>;

// The history of reports, paged: the reports in the order given (newest first,
// as the catalogue holds them) and the page shown.
class ReportHistory {
public:
    explicit ReportHistory(QVector<Report> reports);

    int pageCount() const { return pageCount_; }
    // 0 until a page is shown; with no reports it stays 0.
    int currentPage() const { return current_; }
    // Shows page `page` (1..pageCount); another number changes nothing and
    // returns false.
    bool showPage(int page);
    // The slots of the current page; all hidden while no page is shown.
    ReportPage shownPage() const { return page(current_); }

    // The slots of any page. A report whose ID is empty leaves its slot hidden.
    ReportPage page(int page) const;

private:
    QVector<Report> reports_;
    int pageCount_;
    int current_ = 0;
};

// The row of page labels: each label's left, the width of the panel holding
// them and the panel's left within a window `windowWidth` wide, centred. Labels
// start at 11 and are 7 apart.
struct PageLabelRow {
    QVector<int> lefts;
    int panelWidth = 0;
    int panelLeft = 0;
};
PageLabelRow layoutPageLabels(const QVector<int> &labelWidths, int windowWidth);

}  // namespace veldora
