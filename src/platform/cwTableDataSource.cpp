#include "cwTableDataSource.h"

// A source that answers only the three required calls gets a table whose rows can be selected
// and whose cells can be edited, without column selection and without drag and drop.

bool cwTableDataSource::shouldEditTableColumn(const QString&, int)
{
    return true;
}

bool cwTableDataSource::shouldSelectRow(int)
{
    return true;
}

bool cwTableDataSource::shouldSelectTableColumn(const QString&)
{
    return false;
}

bool cwTableDataSource::writeRowsWithIndexes(const QList<int>&, QMimeData*)
{
    return false;
}

Qt::DropActions cwTableDataSource::validateDrop(const QMimeData*, int, DropOperation)
{
    return Qt::IgnoreAction;
}

bool cwTableDataSource::acceptDrop(const QMimeData*, int, DropOperation)
{
    return false;
}
