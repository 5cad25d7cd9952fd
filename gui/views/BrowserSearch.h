#pragma once

#include "views/ItemSearch.h"

#include <QFont>
#include <QObject>
#include <QStringList>
#include <QVector>
#include <functional>

class QCheckBox;
class QLineEdit;

namespace veldora {

class BrowserWindow;

// The search field "Поиск…" and the check box "Только подходящие" in the band
// above the browser's tabs. They only narrow what the tabs show: each tab keeps
// its rows and steps with fewer pictures, its caption counts them, and an empty
// field with the box clear gives every tab back exactly as it was.
class BrowserSearch : public QObject {
    Q_OBJECT
public:
    // Where the two controls sit: in the wooden band above the page control, which
    // starts at 19; the close picture at 709 stays free.
    static constexpr int kFieldLeft = 24, kFieldTop = 1, kFieldWidth = 200, kFieldHeight = 17;
    static constexpr int kBoxLeft = 236, kBoxWidth = 190;

    // `wearableRows` gives the rows of a tab that the character may wear now.
    BrowserSearch(BrowserWindow &browser, const Catalogue &catalogue, std::function<QVector<int>(int tab)> wearableRows,
                  bool onlyWearable);

    // The character or its outfit changed: with the box ticked, what is wearable may too.
    void characterChanged();

signals:
    void onlyWearableChanged(bool on);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Lays every tab out for the field and the box; typing also starts each tab at
    // its top and turns to a tab with matches when the current one has none.
    void refilter(bool typed);
    void enterPressed();

    BrowserWindow &browser_;
    CatalogueSearch search_;
    std::function<QVector<int>(int)> wearableRows_;
    QStringList captions_;
    QFont captionFont_;
    bool compactCaptions_ = false;
    bool behind_ = false;  // the character changed while the browser was hidden
    QVector<bool> narrowed_;  // by tab: shows a chosen set of rows
    QLineEdit *field_;
    QCheckBox *box_;
};

}  // namespace veldora
