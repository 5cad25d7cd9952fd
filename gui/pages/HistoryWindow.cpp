#include "pages/HistoryWindow.h"

#include "app/MainWindow.h"
#include "art/Fonts.h"
#include "app/WindowPlatform.h"
#include "pages/HoverLabel.h"

#include <QAction>
#include <QGuiApplication>
#include <QLabel>
#include <QScrollArea>

namespace veldora {

namespace {

constexpr int kSlotLeft = 19;
constexpr int kReportWidth = 950;
constexpr std::array<int, kReportsPerPage> kDateTops{16, 73, 137, 201, 265, 329};
constexpr std::array<int, kReportsPerPage> kReportTops{32, 89, 153, 217, 281, 345};
constexpr int kPanelTop = 392;
constexpr int kPanelHeight = 41;
constexpr int kPageLabelTop = 11;

}  // namespace

HistoryWindow::HistoryWindow(const QVector<Report> &reports, QWidget *parent)
    : QWidget(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), history_(reports) {
    setObjectName(QStringLiteral("TFormHistory"));
    setWindowTitle(QStringLiteral("История...."));
    setFixedSize(kWidth, kHeight);

    for (int k = 0; k < kReportsPerPage; ++k) {
        auto *date = new QLabel(this);
        date->setObjectName(QStringLiteral("LabelDate%1").arg(k + 1));
        date->setFont(verdanaFont(13, true));
        date->setTextFormat(Qt::PlainText);  // a report is shown as written, never as markup
        date->move(kSlotLeft, kDateTops[k]);
        date->hide();
        dates_[k] = date;
        auto *report = new QLabel(this);
        report->setObjectName(QStringLiteral("LabelArticle%1").arg(k + 1));
        report->setFont(verdanaFont(13));
        report->setTextFormat(Qt::PlainText);
        report->setWordWrap(true);
        report->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        report->move(kSlotLeft, kReportTops[k]);
        report->hide();
        reports_[k] = report;
    }

    template_ = new QLabel(QStringLiteral("0"), this);
    template_->setObjectName(QStringLiteral("LabelPage"));
    template_->setFont(verdanaFont(13, true));
    template_->hide();

    panel_ = new QWidget(this);
    panel_->setObjectName(QStringLiteral("Panel1"));
    buildPageLabels();
    if (history_.pageCount() > 0) showPage(1);

    centreOnScreen(this);
}

void HistoryWindow::buildPageLabels() {
    QVector<int> widths;
    for (int p = 1; p <= history_.pageCount(); ++p) {
        auto *label = new HoverLabel(QString::number(p), panel_);
        label->setObjectName(QStringLiteral("LabelPage%1").arg(p));
        label->setFont(template_->font());
        label->adjustSize();
        connect(label, &HoverLabel::clicked, this, [this, p] { showPage(p); });
        pageLabels_.append(label);
        widths.append(label->width());
    }
    const PageLabelRow row = layoutPageLabels(widths, kWidth);
    for (int i = 0; i < pageLabels_.size(); ++i) pageLabels_[i]->move(row.lefts[i], kPageLabelTop);
    if (row.panelLeft >= 0) {
        panel_->setGeometry(row.panelLeft, kPanelTop, row.panelWidth, kPanelHeight);
        return;
    }
    // More page numbers than the window is wide: the row scrolls instead of
    // running off both edges out of reach.
    auto *box = new QScrollArea(this);
    box->setObjectName(QStringLiteral("ScrollBoxPages"));
    box->setFrameShape(QFrame::NoFrame);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setGeometry(0, kPanelTop, kWidth, kHeight - kPanelTop);
    panel_->resize(row.panelWidth, kPageLabelTop + 15);
    box->setWidget(panel_);
}

void HistoryWindow::attach(MainWindow &main) {
    if (QAction *entry = main.menuEntry("N111"))
        connect(entry, &QAction::triggered, this, [this] { bringToFront(this); });
}

void HistoryWindow::showPage(int page) {
    if (!history_.showPage(page)) return;
    for (HoverLabel *label : pageLabels_) label->setEnabled(true);
    pageLabels_[page - 1]->setEnabled(false);
    const ReportPage shown = history_.shownPage();
    for (int k = 0; k < kReportsPerPage; ++k) {
        const ReportSlot &slot = shown[k];
        dates_[k]->setVisible(slot.shown);
        reports_[k]->setVisible(slot.shown);
        if (!slot.shown) continue;
        dates_[k]->setText(slot.date);
        dates_[k]->adjustSize();
        reports_[k]->setText(slot.text);
        reports_[k]->resize(kReportWidth, reports_[k]->heightForWidth(kReportWidth));
    }
}

}  // namespace veldora
