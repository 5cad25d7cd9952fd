#include "views/BrowserWindow.h"

#include "art/Artwork.h"
#include "app/WindowPlatform.h"
#include "art/Fonts.h"
#include "views/InfoPanel.h"
#include "catalogue/ProgramFiles.h"
#include "equipment/ItemEffects.h"

#include <QHideEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>

namespace veldora {

// ---------------------------------------------------------------- PictureLoader

PictureLoader::PictureLoader(const QString &programFolder) : programFolder_(programFolder) {}

QPixmap PictureLoader::readFile(const QString &path) {
    QImageReader reader(path);
    reader.setAutoTransform(false);
    const QImage image = reader.read();
    return image.isNull() ? QPixmap() : QPixmap::fromImage(image);
}

QPixmap PictureLoader::load(const QString &fileCell) {
    const QString relative = normalizedStoredPath(fileCell);
    const auto found = files_.constFind(relative);
    if (found != files_.constEnd()) return *found;
    // The picture a slot would show; an item without one gets the no-image path.
    const QString noImagePath = itemPicturePath(programFolder_, QString());
    const QString path = itemPicturePath(programFolder_, relative);
    // A file that is there but cannot be read shows the no-image picture as well.
    QPixmap pix = path == noImagePath ? QPixmap() : readFile(path);
    if (pix.isNull()) {
        if (!noImageRead_) {
            noImageRead_ = true;
            if (QFileInfo(noImagePath).isFile()) noImage_ = readFile(noImagePath);
        }
        pix = noImage_;
    }
    files_.insert(relative, pix);
    return pix;
}

QPixmap PictureLoader::fitted(const QString &fileCell, int width, int height) {
    const QString key = fileCell + QLatin1Char('|') + QString::number(width) + QLatin1Char('x') + QString::number(height);
    const auto found = fittedCache_.constFind(key);
    if (found != fittedCache_.constEnd()) return *found;
    const QPixmap source = load(fileCell);
    QPixmap result(width, height);
    result.fill(Qt::transparent);
    if (!source.isNull()) {
        QPixmap scaled = source;
        if (source.width() > width || source.height() > height)
            scaled = source.scaled(width, height, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        QPainter p(&result);
        p.drawPixmap((width - scaled.width()) / 2, (height - scaled.height()) / 2, scaled);
    }
    fittedCache_.insert(key, result);
    return result;
}

// ---------------------------------------------------------------- CatalogueGrid

CatalogueGrid::CatalogueGrid(int tab, const BrowserTabLayout &layout, const CategoryTable &table,
                             PictureLoader &loader, QWidget *parent)
    : QWidget(parent), tab_(tab), layout_(layout) {
    setObjectName(QStringLiteral("PictureGrid%1").arg(tab + 1));
    setMouseTracking(true);
    // Rows 1..N are the catalogue items; rows appended later (forged, enchanted,
    // custom copies) are not catalogue pictures.
    const int n = std::max(0, table.rowCount() - 1);
    pictures_.reserve(n);
    setNames_.reserve(n);
    for (int k = 1; k <= n; ++k) {
        pictures_.append(loader.fitted(table.cellRef(col::File, k), layout.pictureWidth, layout.pictureHeight));
        setNames_.append(table.cellRef(col::SetName, k));
    }
    showRows(nullptr);
}

void CatalogueGrid::showRows(const QVector<int> *rows) {
    shown_.clear();
    if (rows) {
        for (int row : *rows)
            if (row >= 1 && row <= pictureCount()) shown_.append(row);
    } else {
        shown_.reserve(pictureCount());
        for (int row = 1; row <= pictureCount(); ++row) shown_.append(row);
    }
    layOut();
}

void CatalogueGrid::layOut() {
    places_.fill(-1, pictureCount());
    positions_.clear();
    positions_.reserve(shown_.size());
    int rowTop = 0, column = 0;
    for (int i = 0; i < shown_.size(); ++i) {
        if (column == layout_.perRow) {
            column = 1;
            rowTop += layout_.rowStep;
        } else {
            ++column;
        }
        positions_.append(QPoint((column - 1) * layout_.columnStep, rowTop));
        places_[shown_[i] - 1] = i;
    }
    scrollRange_ = rowTop + layout_.rowStep;
    setFixedSize(layout_.perRow * layout_.columnStep, scrollRange_);
    update();
}

int CatalogueGrid::rowAt(const QPoint &pos) const {
    if (pos.x() < 0 || pos.y() < 0) return 0;
    const int column = pos.x() / layout_.columnStep;
    const int line = pos.y() / layout_.rowStep;
    if (column >= layout_.perRow) return 0;
    const int index = line * layout_.perRow + column;
    if (index >= shownCount()) return 0;
    const int row = shown_[index];
    return pictureRect(row).contains(pos) ? row : 0;
}

QRect CatalogueGrid::pictureRect(int row) const {
    if (row < 1 || row > pictureCount() || places_[row - 1] < 0) return {};
    return QRect(positions_[places_[row - 1]], QSize(layout_.pictureWidth, layout_.pictureHeight));
}

void CatalogueGrid::paintEvent(QPaintEvent *event) {
    QPainter p(this);
    const QRect dirty = event->rect();
    p.fillRect(dirty, QColor(253, 244, 228));
    for (int i = 0; i < shownCount(); ++i) {
        const QRect r(positions_[i], QSize(layout_.pictureWidth, layout_.pictureHeight));
        if (r.intersects(dirty)) p.drawPixmap(r.topLeft(), pictures_[shown_[i] - 1]);
    }
}

void CatalogueGrid::hoverAt(const QPoint &pos) {
    const int row = rowAt(pos);
    setCursor(row ? Qt::PointingHandCursor : Qt::ArrowCursor);
    if (row)
        emit pictureHovered(tab_, row);
    else
        emit freeAreaHovered();
}

void CatalogueGrid::mouseMoveEvent(QMouseEvent *event) {
    pointer_ = event->globalPosition();
    hoverAt(event->position().toPoint());
}

void CatalogueGrid::pointerScrolled() {
    // The panel and the next click must both mean the picture now under the pointer.
    if (pointer_) hoverAt(mapFromGlobal(*pointer_).toPoint());
}

void CatalogueGrid::mouseReleaseEvent(QMouseEvent *event) {
    if (event->button() != Qt::LeftButton) return;
    const int row = rowAt(event->position().toPoint());
    if (row) emit pictureClicked(tab_, row);
}

void CatalogueGrid::leaveEvent(QEvent *) {
    pointer_.reset();
    setCursor(Qt::ArrowCursor);
}

// ---------------------------------------------------------------- BrowserWindow

BrowserWindow::BrowserWindow(const QVector<BrowserTabLayout> &tabs, const Catalogue &catalogue,
                             const QString &programFolder, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), catalogue_(catalogue), tabs_(tabs) {
    setObjectName(QStringLiteral("TTP"));
    setWindowTitle(QStringLiteral("База предметов"));
    setAttribute(Qt::WA_TranslucentBackground);
    setModal(true);
    setFixedSize(kWidth, kBodyHeight);

    auto *body = new QLabel(this);
    body->setObjectName(QStringLiteral("ImageBody"));
    body->setGeometry(-1, -1, 732, kBodyHeight);
    body->setPixmap(art::browserBodyPicture());

    pages_ = new QTabWidget(this);
    pages_->setObjectName(QStringLiteral("GlobalPageControl"));
    pages_->setGeometry(22, 19, 690, 557);
    pages_->setFont(verdanaFont(11));
    // Thirteen captions in 690 pixels: a slightly smaller face on the tabs.
    pages_->tabBar()->setFont(verdanaFont(10));
    pages_->setUsesScrollButtons(true);
    pages_->tabBar()->setMouseTracking(true);
    pages_->tabBar()->installEventFilter(this);
    pages_->setMouseTracking(true);
    pages_->installEventFilter(this);
    pages_->setStyleSheet(QStringLiteral(
        "QTabWidget::pane { border: 1px solid rgb(150,104,64); background: rgb(253,244,228); top: -1px; }"
        "QTabBar::tab { background: qlineargradient(x1:0,y1:0,x2:0,y2:1, stop:0 rgb(236,206,164), stop:1 rgb(214,174,124));"
        " border: 1px solid rgb(150,104,64); border-bottom: none; padding: 3px 3px; margin-right: 0px;"
        " border-top-left-radius: 4px; border-top-right-radius: 4px; color: rgb(70,40,16); }"
        "QTabBar::tab:selected { background: rgb(253,244,228); color: rgb(120,40,10); }"
        "QTabBar::tab:hover:!selected { background: rgb(244,220,184); }"));

    PictureLoader loader(programFolder);
    for (int i = 0; i < tabs_.size(); ++i) {
        const BrowserTabLayout &layout = tabs_[i];
        auto *sheet = new QWidget();
        sheet->setObjectName(QStringLiteral("TabSheet%1").arg(i + 1));
        auto *box = new QScrollArea(sheet);
        box->setObjectName(QStringLiteral("ScrollBox%1").arg(i + 1));
        box->setGeometry(0, 0, 681, 529);
        box->setFrameShape(QFrame::NoFrame);
        box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        box->viewport()->setMouseTracking(true);
        box->viewport()->installEventFilter(this);
        box->viewport()->setAutoFillBackground(false);
        box->setStyleSheet(QStringLiteral("QScrollArea { background: transparent; }"));
        auto *grid = new CatalogueGrid(i, layout, catalogue.table(layout.category), loader, box);
        box->setWidget(grid);
        box->verticalScrollBar()->setSingleStep(layout.rowStep);
        // Connected after the scroll area's own handler, so the grid has moved by then.
        connect(box->verticalScrollBar(), &QScrollBar::valueChanged, grid, &CatalogueGrid::pointerScrolled);
        connect(grid, &CatalogueGrid::pictureHovered, this, &BrowserWindow::showCatalogueItemInfo);
        connect(grid, &CatalogueGrid::freeAreaHovered, this, &BrowserWindow::hideInfo);
        connect(grid, &CatalogueGrid::pictureClicked, this, &BrowserWindow::pictureClicked);
        pages_->addTab(sheet, layout.caption);
        scrollBoxes_.append(box);
        grids_.append(grid);
    }

    close_ = new QLabel(this);
    close_->setObjectName(QStringLiteral("Imageclose"));
    close_->setGeometry(709, 11, 11, 10);
    close_->setPixmap(art::closePicture(11, 10));
    close_->setCursor(Qt::PointingHandCursor);
    close_->setMouseTracking(true);
    close_->installEventFilter(this);

    info_ = new InfoPanel(this);
}

void BrowserWindow::openOnTab(int tab) {
    hideInfo();
    pages_->setCurrentIndex(tab);
    setWindowModality(Qt::ApplicationModal);
    bringToFront(this);
}

void BrowserWindow::showEvent(QShowEvent *event) {
    if (!placed_) {
        placed_ = true;
        if (const QScreen *screen = QGuiApplication::primaryScreen()) {
            const QRect area = screen->availableGeometry();
            move(area.center().x() - kWidth / 2, area.center().y() - kBodyHeight / 2);
        }
    }
    // The band below the body gives the information panel room to hang out.
    setFixedSize(kWidth, kFullHeight);
    if (x() < 250) move(250, y());
    updateMask();
    QDialog::showEvent(event);
}

void BrowserWindow::hideEvent(QHideEvent *event) {
    // Every way out (the close picture, Escape) ends here.
    hideInfo();
    QDialog::hideEvent(event);
    if (!event->spontaneous()) emit closed();
}

void BrowserWindow::paintEvent(QPaintEvent *) {
    // Only the body's picture is painted (by its label); the rest stays transparent.
}

void BrowserWindow::showCatalogueItemInfo(int tab, int row) {
    const CatalogueGrid *g = grids_[tab];
    const CategoryTable &table = catalogue_.table(tabs_[tab].category);
    info_->setInfo(buildItemInfo(table, row, InfoSource::CatalogueItem));
    if (addInfo_) addInfo_(*info_, tab, row);
    // The picture's place within the visible area of its scroll box, used as it
    // stands for the panel's place in the window.
    const QRect r = g->pictureRect(row).translated(g->pos());
    const PanelPosition at = catalogueInfoPanelPosition(r.left(), r.top(), r.width(), info_->width(), info_->height());
    info_->move(at.left, at.top);
    info_->show();
    info_->raise();
    updateMask();
}

void BrowserWindow::hideInfo() {
    if (!info_->isVisible()) return;
    info_->hide();
    updateMask();
}

void BrowserWindow::updateMask() {
    // Without a compositor a translucent window shows black where it is empty;
    // the mask keeps the band below the body out of the window altogether.
    QRegion region(0, 0, kWidth, kBodyHeight);
    if (info_->isVisible()) region += info_->geometry();
    setMask(region);
}

bool BrowserWindow::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::MouseMove) {
        hideInfo();
    } else if (watched == close_ && event->type() == QEvent::MouseButtonRelease) {
        auto *me = static_cast<QMouseEvent *>(event);
        if (me->button() == Qt::LeftButton) close();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace veldora
