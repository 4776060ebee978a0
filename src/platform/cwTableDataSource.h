#pragma once

#include <QList>
#include <QString>
#include <QVariant>

class QMimeData;

// What a cwTableView asks of the object that feeds it. The view holds no data: it asks for
// every cell it draws, and asks before it lets the user edit a cell, select a row or drag rows.
// Columns are named by their identifier texts. Text cells exchange QString values; check box
// cells exchange the int 1 (checked) or 0.
class cwTableDataSource
{
public:
    enum class DropOperation { On, Above };  // onto a row, or into the gap above it

    virtual ~cwTableDataSource() = default;

    virtual int numberOfRowsInTableView() = 0;
    virtual QVariant objectValueForTableColumn(const QString& column, int row) = 0;
    virtual void setObjectValue(const QVariant& value, const QString& column, int row) = 0;

    // Asked when the user starts an edit of a cell (a double click, a key, a check box click).
    virtual bool shouldEditTableColumn(const QString& column, int row);
    // Asked when the user clicks or keys a row into the selection.
    virtual bool shouldSelectRow(int row);
    // Asked when the user clicks a column header; an answer of true selects the column.
    virtual bool shouldSelectTableColumn(const QString& column);

    // Drag and drop of rows: fill the pasteboard and answer true to let the drag start; answer
    // whether a drop at the proposed place is possible (Qt::IgnoreAction refuses it); take the drop.
    virtual bool writeRowsWithIndexes(const QList<int>& rows, QMimeData* pasteboard);
    virtual Qt::DropActions validateDrop(const QMimeData* info, int proposedRow, DropOperation operation);
    virtual bool acceptDrop(const QMimeData* info, int row, DropOperation operation);
};
