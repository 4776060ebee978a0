#pragma once

#include <QList>
#include <QMap>
#include <QStringList>
#include <QTableView>

class cwTableAdapter;
class cwTableDataSource;

// A table view that holds no data of its own: it asks its data source for every cell and asks
// it before the user edits a cell, selects a row or drags rows. Columns carry identifier texts.
class cwTableView : public QTableView
{
    Q_OBJECT

public:
    enum class CellKind { Text, ComboBox, CheckBox };

    explicit cwTableView(QWidget* parent = nullptr);

    void setDataSource(cwTableDataSource* source);
    cwTableDataSource* dataSource() const;

    // Columns, in their on-screen order.
    void addTableColumn(const QString& identifier, const QString& title, int width,
                        CellKind kind = CellKind::Text, Qt::Alignment alignment = Qt::AlignLeft);
    int numberOfColumns() const;
    QString columnIdentifier(int column) const;
    int columnWithIdentifier(const QString& identifier) const;  // -1 when there is none
    QString columnTitle(int column) const;
    CellKind cellKind(int column) const;
    Qt::Alignment columnAlignment(int column) const;
    // visibleItems, when given, is how many items the drop-down shows without scrolling.
    void setComboItems(const QString& identifier, const QStringList& items, int visibleItems = 0);
    QStringList comboItems(const QString& identifier) const;
    int comboVisibleItems(const QString& identifier) const;  // 0 for the toolkit's own count

    // Stores the text of a cell still being typed through the source and closes its editor.
    void commitEditing();

    // Asks the source again for everything and redraws.
    void reloadData();

    void deselectAll();
    // Selects a row without asking the source; extend keeps the rows already selected.
    void selectRow(int row, bool extend = false);
    int selectedRow() const;  // the last selected row, -1 when none is selected
    QList<int> selectedRows() const;

    // Opens the cell for editing without asking the source, with its text selected or not.
    void editColumn(int column, int row, bool selectText);
    // The column's place and width in the table's own coordinates, over the table's full height.
    QRect rectOfColumn(int column) const;

    // Rows can be dragged within the table with these pasteboard types.
    void registerForDraggedTypes(const QStringList& types);
    QStringList registeredDraggedTypes() const;

    // Used by the cell delegate before a check box click changes a cell.
    bool shouldEditCell(int column, int row);

protected:
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    void headerClicked(int column);
    bool openEditor(const QModelIndex& index, EditTrigger trigger, QEvent* event);

    struct Column {
        QString identifier;
        QString title;
        CellKind kind;
        Qt::Alignment alignment;
    };
    QList<Column> _columns;
    QMap<QString, QStringList> _comboItems;
    QMap<QString, int> _comboVisibleItems;
    QStringList _draggedTypes;
    cwTableAdapter* _adapter;
    bool _editWithoutAsking = false;
    bool _reloadPending = false;
    QPersistentModelIndex _editedIndex;  // the cell whose editor was opened last
};
