#pragma once

#include "catalogue/Catalogue.h"

#include <QDialog>
#include <QHash>
#include <QPixmap>
#include <QVector>

#include <functional>
#include <optional>

class QLabel;
class QScrollArea;
class QTabWidget;

namespace veldora {

class InfoPanel;

// How one tab of the browser lays out its pictures.
struct BrowserTabLayout {
    QString caption;
    Category category;
    int pictureWidth;
    int pictureHeight;
    int perRow;
    int columnStep;
    int rowStep;
};

// Loads each picture file once and fits it into a picture box; files several items
// share are decoded once.
class PictureLoader {
public:
    explicit PictureLoader(const QString &programFolder);

    // `fileCell` is the item's `File` value. A missing or unreadable file shows
    // `img/no_image.bmp`; when that is missing too the picture stays empty.
    QPixmap load(const QString &fileCell);
    // The same, fitted into a width x height box: scaled down proportionally when
    // larger, centred; a smaller picture keeps its size.
    QPixmap fitted(const QString &fileCell, int width, int height);

private:
    QPixmap readFile(const QString &path);

    QString programFolder_;
    QHash<QString, QPixmap> files_;
    QHash<QString, QPixmap> fittedCache_;
    bool noImageRead_ = false;
    QPixmap noImage_;
};

// The pictures of one tab, drawn by one widget: they touch each other without gaps,
// so the picture under the pointer follows from the position alone.
class CatalogueGrid : public QWidget {
    Q_OBJECT
public:
    CatalogueGrid(int tab, const BrowserTabLayout &layout, const CategoryTable &table, PictureLoader &loader,
                  QWidget *parent);

    int tab() const { return tab_; }
    int pictureCount() const { return int(pictures_.size()); }
    // Row in the category table (1..N) of the picture at `pos`, or 0 on the free area.
    int rowAt(const QPoint &pos) const;
    QRect pictureRect(int row) const;  // within this widget; empty for a picture not shown

    // Shows only these rows, in this order, laid out in the same rows and steps as
    // all of them; nullptr shows every picture again, each in its own place.
    void showRows(const QVector<int> *rows);
    int shownCount() const { return int(shown_.size()); }
    const QVector<int> &shownRows() const { return shown_; }
    const QString &setName(int row) const { return setNames_[row - 1]; }
    const QPixmap &picture(int row) const { return pictures_[row - 1]; }
    int scrollRange() const { return scrollRange_; }

    // The tab scrolled under a pointer that did not move: tells what is under it now.
    void pointerScrolled();

signals:
    void pictureHovered(int tab, int row);
    void freeAreaHovered();
    void pictureClicked(int tab, int row);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void layOut();
    // The cursor and the hover signal for the pointer at `pos`.
    void hoverAt(const QPoint &pos);

    int tab_;
    BrowserTabLayout layout_;
    QVector<QPixmap> pictures_;  // by row - 1
    QVector<QString> setNames_;  // by row - 1
    QVector<int> shown_;         // rows in the order they are laid out
    QVector<int> places_;        // by row - 1: index into shown_, or -1
    QVector<QPoint> positions_;  // by index into shown_
    int scrollRange_ = 0;
    int pressedRow_ = 0;
    std::optional<QPointF> pointer_;  // global position of the pointer while it is over the grid
};

// The item database browser `TTP`: borderless and modal, its body drawn by a
// picture; below the body the window is transparent so that the information
// panel can hang out of it.
class BrowserWindow : public QDialog {
    Q_OBJECT
public:
    static constexpr int kWidth = 734;
    static constexpr int kBodyHeight = 597;
    static constexpr int kFullHeight = 900;

    BrowserWindow(const QVector<BrowserTabLayout> &tabs, const Catalogue &catalogue, const QString &programFolder,
                  QWidget *parent);

    // Selects the tab and shows the window modally without blocking the caller.
    void openOnTab(int tab);

    InfoPanel *infoPanel() const { return info_; }
    QTabWidget *pageControl() const { return pages_; }
    CatalogueGrid *grid(int tab) const { return grids_[tab]; }
    QScrollArea *scrollBox(int tab) const { return scrollBoxes_[tab]; }
    int tabCount() const { return int(grids_.size()); }

    // `ShowCatalogueItemInfo`: fills the panel for the picture and places it beside it.
    void showCatalogueItemInfo(int tab, int row);
    void hideInfo();
    // Runs after the panel's text is written and before it is placed, so that
    // what it adds moves the panel like its own lines.
    void setInfoAddition(std::function<void(InfoPanel &, int tab, int row)> add) { addInfo_ = std::move(add); }

signals:
    void pictureClicked(int tab, int row);
    void closed();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void updateMask();

    const Catalogue &catalogue_;
    QVector<BrowserTabLayout> tabs_;
    QTabWidget *pages_;
    QVector<QScrollArea *> scrollBoxes_;
    QVector<CatalogueGrid *> grids_;
    QLabel *close_;
    InfoPanel *info_;
    bool placed_ = false;
    std::function<void(InfoPanel &, int, int)> addInfo_;
};

}  // namespace veldora
