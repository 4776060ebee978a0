#include "cwTableAdapter.h"

#include <QMimeData>
#include <QSet>

#include <algorithm>

#include "cwTableDataSource.h"
#include "cwTableView.h"

cwTableAdapter::cwTableAdapter(cwTableView* table)
    : QAbstractTableModel(table), _table(table)
{
}

void cwTableAdapter::setDataSource(cwTableDataSource* source)
{
    beginResetModel();
    _source = source;
    endResetModel();
}

cwTableDataSource* cwTableAdapter::dataSource() const
{
    return _source;
}

void cwTableAdapter::reload()
{
    beginResetModel();
    endResetModel();
}

int cwTableAdapter::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid() || !_source)
        return 0;
    return _source->numberOfRowsInTableView();
}

int cwTableAdapter::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : _table->numberOfColumns();
}

QVariant cwTableAdapter::data(const QModelIndex& index, int role) const
{
    if (!_source || !index.isValid())
        return {};
    const QString column = _table->columnIdentifier(index.column());
    const bool checkBox = _table->cellKind(index.column()) == cwTableView::CellKind::CheckBox;
    if (checkBox) {
        if (role != Qt::CheckStateRole)
            return {};
        const bool on = _source->objectValueForTableColumn(column, index.row()).toInt() != 0;
        return on ? Qt::Checked : Qt::Unchecked;
    }
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return _source->objectValueForTableColumn(column, index.row()).toString();
    if (role == Qt::TextAlignmentRole)
        return QVariant(_table->columnAlignment(index.column()) | Qt::AlignVCenter);
    return {};
}

bool cwTableAdapter::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!_source || !index.isValid())
        return false;
    const QString column = _table->columnIdentifier(index.column());
    if (_table->cellKind(index.column()) == cwTableView::CellKind::CheckBox) {
        if (role != Qt::CheckStateRole)
            return false;
        const bool on = value.toInt() == Qt::Checked;
        _source->setObjectValue(on ? 1 : 0, column, index.row());
    } else {
        if (role != Qt::EditRole)
            return false;
        _source->setObjectValue(value.toString(), column, index.row());
    }
    // The source may have changed more than the cell (totals, other rows): redraw all of it.
    emit dataChanged(this->index(0, 0), this->index(rowCount() - 1, columnCount() - 1));
    return true;
}

QVariant cwTableAdapter::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= _table->numberOfColumns())
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return _table->columnTitle(section);
    if (role == Qt::TextAlignmentRole)
        return QVariant(_table->columnAlignment(section) | Qt::AlignVCenter);
    return {};
}

Qt::ItemFlags cwTableAdapter::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::ItemIsDropEnabled;
    // Whether an edit may really begin is asked of the source when the user starts it.
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled
                      | Qt::ItemIsDropEnabled;
    if (_table->cellKind(index.column()) == cwTableView::CellKind::CheckBox)
        f |= Qt::ItemIsUserCheckable;
    else
        f |= Qt::ItemIsEditable;
    return f;
}

QStringList cwTableAdapter::mimeTypes() const
{
    return _table->registeredDraggedTypes();
}

QMimeData* cwTableAdapter::mimeData(const QModelIndexList& indexes) const
{
    if (!_source)
        return nullptr;
    QSet<int> seen;
    QList<int> rows;
    for (const QModelIndex& index : indexes) {
        if (!seen.contains(index.row())) {
            seen.insert(index.row());
            rows.append(index.row());
        }
    }
    std::sort(rows.begin(), rows.end());
    auto* pasteboard = new QMimeData;
    if (!_source->writeRowsWithIndexes(rows, pasteboard)) {
        delete pasteboard;
        return nullptr;
    }
    return pasteboard;
}

Qt::DropActions cwTableAdapter::supportedDragActions() const
{
    return Qt::CopyAction | Qt::MoveAction;
}

Qt::DropActions cwTableAdapter::supportedDropActions() const
{
    return Qt::CopyAction | Qt::MoveAction;
}

void cwTableAdapter::dropPlace(int row, const QModelIndex& parent, int* place, int* operation) const
{
    if (parent.isValid()) {
        *place = parent.row();
        *operation = int(cwTableDataSource::DropOperation::On);
    } else {
        *place = row < 0 ? rowCount() : row;
        *operation = int(cwTableDataSource::DropOperation::Above);
    }
}

bool cwTableAdapter::canDropMimeData(const QMimeData* data, Qt::DropAction, int row, int,
                                     const QModelIndex& parent) const
{
    if (!_source || !data)
        return false;
    int place = 0;
    int operation = 0;
    dropPlace(row, parent, &place, &operation);
    return _source->validateDrop(data, place, cwTableDataSource::DropOperation(operation))
           != Qt::IgnoreAction;
}

bool cwTableAdapter::dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                                  const QModelIndex& parent)
{
    if (!canDropMimeData(data, action, row, column, parent))
        return false;
    int place = 0;
    int operation = 0;
    dropPlace(row, parent, &place, &operation);
    const bool accepted = _source->acceptDrop(data, place, cwTableDataSource::DropOperation(operation));
    reload();
    return accepted;
}
