#pragma once

#include "app/UserMessages.h"
#include "customitems/CustomItemStore.h"

#include <QWidget>
#include <optional>

class QMenu;
class QTableWidget;

namespace veldora {

// `TForm_My_Object` ("Список предметов"): every entry of DataObject/ in the grid
// `StringGrid1`, rebuilt each time the window becomes active; its pop-up menu
// looks at, edits or deletes the item of the cell selected last.
class ItemListWindow : public QWidget {
    Q_OBJECT
public:
    ItemListWindow(const CustomItemStore &store, UserMessages &messages, QWidget *parent);

    void refresh();
    const CustomItemListing &listing() const { return listing_; }

    // Remembers a cell, as selecting it does; rows count from 1 below the header.
    void selectCell(int column, int row);
    int rememberedColumn() const { return column_; }
    int rememberedRow() const { return row_; }

    // `N1` and a double click, `N2`, `N3`.
    void look();
    void edit();
    void remove();

signals:
    void lookAt(const CustomItemEntry &entry);
    void editItem(const CustomItemEntry &entry);

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    // The item of the remembered row; nullopt when the remembered cell is empty.
    std::optional<CustomItemEntry> rememberedItem() const;

    const CustomItemStore store_;
    UserMessages &messages_;
    QTableWidget *grid_;
    QMenu *popup_;
    CustomItemListing listing_;
    int column_ = 0;
    int row_ = 1;
    int reportedTotal_ = 0;
};

}  // namespace veldora
