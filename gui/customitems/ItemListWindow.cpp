#include "customitems/ItemListWindow.h"

#include "art/Artwork.h"
#include "art/Fonts.h"

#include <QAction>
#include <QEvent>
#include <QHeaderView>
#include <QMenu>
#include <QTableWidget>

namespace veldora {

ItemListWindow::ItemListWindow(const CustomItemStore &store, UserMessages &messages, QWidget *parent)
    : QWidget(parent, Qt::Window), store_(store), messages_(messages) {
    setObjectName(QStringLiteral("TForm_My_Object"));
    setWindowTitle(QStringLiteral("Список предметов"));
    setFont(sansSerifFont(11));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, art::windowColour());
    setPalette(pal);
    setAutoFillBackground(true);
    setFixedSize(449, 489);

    grid_ = new QTableWidget(1, 2, this);
    grid_->setObjectName(QStringLiteral("StringGrid1"));
    grid_->setGeometry(24, 16, 401, 457);
    grid_->setHorizontalHeaderLabels({QStringLiteral("Название предмета"), QStringLiteral("Тип предмета")});
    grid_->setColumnWidth(0, 240);
    grid_->setColumnWidth(1, 146);
    grid_->verticalHeader()->hide();
    grid_->verticalHeader()->setDefaultSectionSize(20);
    grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid_->horizontalHeader()->setFixedHeight(20);
    grid_->horizontalHeader()->setHighlightSections(false);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setContextMenuPolicy(Qt::CustomContextMenu);

    popup_ = new QMenu(this);
    popup_->setObjectName(QStringLiteral("PopupMenu1"));
    const struct {
        const char *name;
        const char *caption;
        void (ItemListWindow::*run)();
    } entries[] = {{"N1", "Узреть...", &ItemListWindow::look},
                   {"N2", "Редактировать...", &ItemListWindow::edit},
                   {"N3", "Удалить...", &ItemListWindow::remove}};
    for (const auto &e : entries) {
        QAction *a = popup_->addAction(QString::fromUtf8(e.caption));
        a->setObjectName(QString::fromLatin1(e.name));
        connect(a, &QAction::triggered, this, e.run);
    }
    connect(grid_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { popup_->popup(grid_->viewport()->mapToGlobal(at)); });
    connect(grid_, &QTableWidget::currentCellChanged, this, [this](int row, int column) {
        if (row >= 0 && column >= 0) {
            row_ = row + 1;
            column_ = column;
        }
    });
    connect(grid_, &QTableWidget::cellDoubleClicked, this, [this] { look(); });
}

void ItemListWindow::refresh() {
    listing_ = store_.list();
    const auto &items = listing_.entries;
    // An empty folder leaves one empty line under the header.
    grid_->setRowCount(std::max<int>(1, items.size()));
    for (int r = 0; r < grid_->rowCount(); ++r) {
        const bool listed = r < items.size();
        const QString texts[2] = {listed ? items[r].name : QString(), listed ? items[r].type : QString()};
        for (int c = 0; c < 2; ++c) {
            QTableWidgetItem *cell = grid_->item(r, c);
            if (!cell) {
                cell = new QTableWidgetItem();
                grid_->setItem(r, c, cell);
            }
            cell->setText(texts[c]);
        }
    }
    // What is highlighted is what the menu acts on.
    const QSignalBlocker block(grid_);
    if (row_ - 1 < grid_->rowCount()) grid_->setCurrentCell(row_ - 1, column_);
    else grid_->clearSelection();
    if (listing_.total > kMaxListedItems && listing_.total != reportedTotal_)
        messages_.showMessage(QStringLiteral("В папке DataObject %1 записей; список показывает первые %2.")
                                  .arg(listing_.total)
                                  .arg(kMaxListedItems));
    reportedTotal_ = listing_.total;
}

void ItemListWindow::selectCell(int column, int row) {
    if (row >= 1 && row <= grid_->rowCount() && column >= 0 && column < 2) grid_->setCurrentCell(row - 1, column);
}

std::optional<CustomItemEntry> ItemListWindow::rememberedItem() const {
    const QTableWidgetItem *cell = grid_->item(row_ - 1, column_);
    if (!cell || cell->text().isEmpty() || row_ - 1 >= listing_.entries.size()) return std::nullopt;
    return listing_.entries[row_ - 1];
}

void ItemListWindow::look() {
    if (const auto item = rememberedItem())
        emit lookAt(*item);
    else
        messages_.showMessage(QStringLiteral("Предмет не найден!"));
}

void ItemListWindow::edit() {
    if (const auto item = rememberedItem())
        emit editItem(*item);
    else
        messages_.showMessage(QStringLiteral("Предмет не найден!"));
}

void ItemListWindow::remove() {
    const auto item = rememberedItem();
    if (item && store_.remove(item->fileName)) {
        refresh();
        messages_.showMessage(QStringLiteral("Предмет удалён."));
    } else {
        messages_.showMessage(QStringLiteral("Предмет не удалён."));
    }
}

void ItemListWindow::changeEvent(QEvent *event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) refresh();
}

void ItemListWindow::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    refresh();
}

}  // namespace veldora
