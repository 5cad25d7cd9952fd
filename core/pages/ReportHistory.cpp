#include "pages/ReportHistory.h"

#include <algorithm>
#include <cmath>

namespace veldora {

int reportPageCount(int reportCount) {
    if (reportCount <= 0) return 0;
    return std::min((reportCount + kReportsPerPage - 1) / kReportsPerPage, kMaxReportPages);
}

ReportHistory::ReportHistory(QVector<Report> reports)
    : reports_(std::move(reports)), pageCount_(reportPageCount(int(reports_.size()))) {}

bool ReportHistory::showPage(int p) {
    if (p < 1 || p > pageCount_) return false;
    current_ = p;
    return true;
}

ReportPage ReportHistory::page(int p) const {
    ReportPage shown{};
    if (p < 1 || p > pageCount_) return shown;
    for (int k = 0; k < kReportsPerPage; ++k) {
        const qsizetype row = qsizetype(kReportsPerPage) * (p - 1) + k;
        if (row >= reports_.size() || reports_[row].id.isEmpty()) continue;
        shown[k] = {true, reports_[row].date, reports_[row].text};
    }
    return shown;
}

PageLabelRow layoutPageLabels(const QVector<int> &labelWidths, int windowWidth) {
    PageLabelRow row;
    int x = 11;
    for (int w : labelWidths) {
        row.lefts.append(x);
        x += w + 7;
    }
    row.panelWidth = x;
    // The Windows version rounded halves to the even neighbour.
    row.panelLeft = int(std::nearbyint((windowWidth - x) / 2.0));
    return row;
}

}  // namespace veldora
