#include "views/BrowserSearch.h"

#include "art/Fonts.h"
#include "views/BrowserWindow.h"

#include <QCheckBox>
#include <QEvent>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>

#include <algorithm>

namespace veldora {

BrowserSearch::BrowserSearch(BrowserWindow &browser, const Catalogue &catalogue,
                             std::function<QVector<int>(int)> wearableRows, bool onlyWearable)
    : QObject(&browser), browser_(browser), search_(catalogue), wearableRows_(std::move(wearableRows)) {
    setObjectName(QStringLiteral("BrowserSearch"));
    for (int t = 0; t < browser_.tabCount(); ++t) captions_ << browser_.pageControl()->tabText(t);
    captionFont_ = browser_.pageControl()->tabBar()->font();
    narrowed_.fill(false, browser_.tabCount());

    field_ = new QLineEdit(&browser_);
    field_->setObjectName(QStringLiteral("EditSearch"));
    field_->setPlaceholderText(QStringLiteral("Поиск…"));
    field_->setClearButtonEnabled(true);
    field_->setFont(verdanaFont(11));
    field_->setGeometry(kFieldLeft, kFieldTop, kFieldWidth, kFieldHeight);
    field_->setStyleSheet(QStringLiteral(
        "QLineEdit { background: rgb(253,244,228); color: rgb(50,28,10); border: 1px solid rgb(46,26,12);"
        " border-radius: 3px; padding: 0px 3px; }"));

    box_ = new QCheckBox(QStringLiteral("Только подходящие"), &browser_);
    box_->setObjectName(QStringLiteral("CheckOnlyWearable"));
    box_->setFont(verdanaFont(11));
    // On a light ground like the field's, so that its mark shows on the dark wood.
    box_->setStyleSheet(QStringLiteral(
        "QCheckBox { color: rgb(50,28,10); background: rgb(253,244,228); border: 1px solid rgb(46,26,12);"
        " border-radius: 3px; padding: 0px 4px; }"));
    box_->adjustSize();
    box_->setGeometry(kBoxLeft, kFieldTop, std::min(box_->width(), kBoxWidth), kFieldHeight);
    box_->setChecked(onlyWearable);

    connect(field_, &QLineEdit::textChanged, this, [this] { refilter(true); });
    connect(field_, &QLineEdit::returnPressed, this, &BrowserSearch::enterPressed);
    connect(box_, &QCheckBox::toggled, this, [this](bool on) {
        refilter(false);
        emit onlyWearableChanged(on);
    });
    browser_.installEventFilter(this);
    // The pointer over either of them has left every picture, as over the tabs.
    for (QWidget *w : {static_cast<QWidget *>(field_), static_cast<QWidget *>(box_)}) {
        w->setMouseTracking(true);
        w->installEventFilter(&browser_);
    }
    if (onlyWearable) refilter(false);
}

void BrowserSearch::characterChanged() {
    if (!box_->isChecked()) return;
    // Hidden, the browser catches up when it opens again.
    if (browser_.isVisible())
        refilter(false);
    else
        behind_ = true;
}

void BrowserSearch::refilter(bool typed) {
    behind_ = false;
    const QString query = field_->text();
    const bool byName = !searchKey(query).isEmpty();
    const bool byCharacter = box_->isChecked();
    QTabWidget *pages = browser_.pageControl();
    // While narrowed the captions are a size smaller and closer, so that the counts
    // fit beside them.
    const bool compact = byName || byCharacter;
    if (compact != compactCaptions_) {
        compactCaptions_ = compact;
        pages->tabBar()->setFont(compact ? verdanaFont(captionFont_.pixelSize() - 1) : captionFont_);
        pages->tabBar()->setStyleSheet(compact ? QStringLiteral("QTabBar::tab { padding: 3px 1px; }") : QString());
    }
    for (int t = 0; t < browser_.tabCount(); ++t) {
        CatalogueGrid *grid = browser_.grid(t);
        if (!byName && !byCharacter) {
            if (narrowed_[t]) grid->showRows(nullptr);
            narrowed_[t] = false;
            if (pages->tabText(t) != captions_[t]) pages->setTabText(t, captions_[t]);
        } else {
            QVector<int> rows;
            if (!byCharacter) {
                rows = search_.matches(t, query);
            } else {
                rows = wearableRows_(t);
                if (byName) {
                    const QVector<int> named = search_.matches(t, query);
                    rows.removeIf([&](int row) { return !std::binary_search(named.begin(), named.end(), row); });
                }
            }
            if (!narrowed_[t] || rows != grid->shownRows()) grid->showRows(&rows);
            narrowed_[t] = true;
            const QString caption = QStringLiteral("%1 %2").arg(captions_[t]).arg(rows.size());
            if (pages->tabText(t) != caption) pages->setTabText(t, caption);
        }
        if (typed) browser_.scrollBox(t)->verticalScrollBar()->setValue(0);
    }
    if (typed && byName && browser_.grid(pages->currentIndex())->shownCount() == 0) {
        for (int t = 0; t < browser_.tabCount(); ++t)
            if (browser_.grid(t)->shownCount() > 0) {
                pages->setCurrentIndex(t);
                break;
            }
    }
    // What was under the pointer may have moved away.
    browser_.hideInfo();
    browser_.grid(pages->currentIndex())->pointerScrolled();
}

void BrowserSearch::enterPressed() {
    if (searchKey(field_->text()).isEmpty()) return;
    // The one match of all tabs, else the one of the tab in front.
    int found = -1;
    int total = 0;
    for (int t = 0; t < browser_.tabCount(); ++t) {
        total += browser_.grid(t)->shownCount();
        if (browser_.grid(t)->shownCount() == 1 && found < 0) found = t;
    }
    const int current = browser_.pageControl()->currentIndex();
    if (total != 1) found = browser_.grid(current)->shownCount() == 1 ? current : -1;
    if (found < 0) return;
    emit browser_.pictureClicked(found, browser_.grid(found)->shownRows().front());
}

bool BrowserSearch::eventFilter(QObject *watched, QEvent *event) {
    // Each opening starts with every item of the tab asked for: the last search
    // would hide the slot's items behind a name typed for another.
    if (watched == &browser_ && event->type() == QEvent::Show) {
        field_->clear();
        if (behind_) refilter(false);
        field_->setFocus();
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace veldora
