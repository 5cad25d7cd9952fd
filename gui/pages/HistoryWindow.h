#pragma once

#include "pages/ReportHistory.h"

#include <QVector>
#include <QWidget>
#include <array>

class QLabel;

namespace veldora {

class HoverLabel;
class MainWindow;

// The history window `TFormHistory`: the catalogue's reports six to a page, newest
// first, and a row of page numbers under them. Built once from the reports read
// at start-up.
class HistoryWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 967;
    static constexpr int kHeight = 434;

    explicit HistoryWindow(const QVector<Report> &reports, QWidget *parent = nullptr);

    // "Отчёты..." shows the window.
    void attach(MainWindow &main);

    // As a click on the page's label does; other numbers change nothing.
    void showPage(int page);

    const ReportHistory &history() const { return history_; }
    const QVector<HoverLabel *> &pageLabels() const { return pageLabels_; }
    QLabel *dateLabel(int slot) const { return dates_[slot]; }
    QLabel *reportLabel(int slot) const { return reports_[slot]; }
    // The panel of page labels (`Panel1`).
    QWidget *pagePanel() const { return panel_; }

private:
    void buildPageLabels();

    ReportHistory history_;
    std::array<QLabel *, kReportsPerPage> dates_{};
    std::array<QLabel *, kReportsPerPage> reports_{};
    QLabel *template_;
    QWidget *panel_;
    QVector<HoverLabel *> pageLabels_;
};

}  // namespace veldora
