#pragma once

#include <QStyledItemDelegate>

class cwTableView;

// Draws and edits the cells of a cwTableView: a line edit for text cells, an editable combo
// box offering the column's items for combo box cells, and a check box that a click anywhere
// in the cell toggles, once the table's data source has allowed the edit.
class cwTableCellDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit cwTableCellDelegate(cwTableView* table);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

protected:
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;

private:
    cwTableView* _table;
};
