#include "cwTableView.h"

#include <QHeaderView>
#include <QLineEdit>

#include <algorithm>

#include "cwTableAdapter.h"
#include "cwTableCellDelegate.h"
#include "cwTableDataSource.h"

cwTableView::cwTableView(QWidget* parent)
    : QTableView(parent), _adapter(new cwTableAdapter(this))
{
    setModel(_adapter);
    setItemDelegate(new cwTableCellDelegate(this));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    setAlternatingRowColors(true);
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    horizontalHeader()->setHighlightSections(false);
    // Header titles with room around them, lined up with the cell texts below.
    setStyleSheet("QHeaderView::section { padding: 3px 6px; }");
    horizontalHeader()->setSectionsClickable(true);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, &cwTableView::headerClicked);
}

void cwTableView::setDataSource(cwTableDataSource* source)
{
    _adapter->setDataSource(source);
}

cwTableDataSource* cwTableView::dataSource() const
{
    return _adapter->dataSource();
}

void cwTableView::addTableColumn(const QString& identifier, const QString& title, int width,
                                 CellKind kind, Qt::Alignment alignment)
{
    _columns.append({identifier, title, kind, alignment});
    _adapter->reload();
    setColumnWidth(int(_columns.size()) - 1, width);
}

int cwTableView::numberOfColumns() const
{
    return int(_columns.size());
}

QString cwTableView::columnIdentifier(int column) const
{
    return column >= 0 && column < _columns.size() ? _columns[column].identifier : QString();
}

int cwTableView::columnWithIdentifier(const QString& identifier) const
{
    for (int c = 0; c < _columns.size(); ++c) {
        if (_columns[c].identifier == identifier)
            return c;
    }
    return -1;
}

QString cwTableView::columnTitle(int column) const
{
    return column >= 0 && column < _columns.size() ? _columns[column].title : QString();
}

cwTableView::CellKind cwTableView::cellKind(int column) const
{
    return column >= 0 && column < _columns.size() ? _columns[column].kind : CellKind::Text;
}

Qt::Alignment cwTableView::columnAlignment(int column) const
{
    return column >= 0 && column < _columns.size() ? _columns[column].alignment : Qt::AlignLeft;
}

void cwTableView::setComboItems(const QString& identifier, const QStringList& items, int visibleItems)
{
    _comboItems[identifier] = items;
    _comboVisibleItems[identifier] = visibleItems;
}

QStringList cwTableView::comboItems(const QString& identifier) const
{
    return _comboItems.value(identifier);
}

int cwTableView::comboVisibleItems(const QString& identifier) const
{
    return _comboVisibleItems.value(identifier);
}

bool cwTableView::openEditor(const QModelIndex& index, EditTrigger trigger, QEvent* event)
{
    const bool opened = QTableView::edit(index, trigger, event);
    if (opened)
        _editedIndex = index;
    return opened;
}

void cwTableView::commitEditing()
{
    if (state() != QAbstractItemView::EditingState)
        return;
    if (QWidget* editor = indexWidget(_editedIndex)) {
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void cwTableView::reloadData()
{
    // A source often reloads from inside the edit it is storing; the open editor must close
    // before the rows are rebuilt under it, so that reload waits until it has.
    if (state() == QAbstractItemView::EditingState) {
        _reloadPending = true;
        return;
    }
    _reloadPending = false;
    const QList<int> rows = selectedRows();
    _adapter->reload();
    for (int row : rows) {
        if (row < _adapter->rowCount())
            selectRow(row, true);
    }
}

void cwTableView::deselectAll()
{
    selectionModel()->clearSelection();
}

void cwTableView::selectRow(int row, bool extend)
{
    if (row < 0 || row >= _adapter->rowCount())
        return;
    QItemSelectionModel::SelectionFlags flags = QItemSelectionModel::Select | QItemSelectionModel::Rows;
    if (!extend)
        flags |= QItemSelectionModel::Clear;
    selectionModel()->setCurrentIndex(_adapter->index(row, 0), flags);
}

int cwTableView::selectedRow() const
{
    const QList<int> rows = selectedRows();
    if (rows.isEmpty())
        return -1;
    const int current = selectionModel()->currentIndex().row();
    return rows.contains(current) ? current : rows.last();
}

QList<int> cwTableView::selectedRows() const
{
    QList<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedRows())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void cwTableView::editColumn(int column, int row, bool selectText)
{
    const QModelIndex index = _adapter->index(row, column);
    if (!index.isValid())
        return;
    scrollTo(index);
    _editWithoutAsking = true;
    const bool opened = openEditor(index, QAbstractItemView::AllEditTriggers, nullptr);
    _editWithoutAsking = false;
    if (!opened)
        return;
    if (auto* line = qobject_cast<QLineEdit*>(indexWidget(index) ? indexWidget(index) : focusWidget())) {
        if (selectText)
            line->selectAll();
        else
            line->deselect();
    }
}

QRect cwTableView::rectOfColumn(int column) const
{
    if (column < 0 || column >= _columns.size())
        return {};
    const int height = _adapter->rowCount() * verticalHeader()->defaultSectionSize();
    return QRect(horizontalHeader()->sectionPosition(column), 0,
                 horizontalHeader()->sectionSize(column), height);
}

void cwTableView::registerForDraggedTypes(const QStringList& types)
{
    _draggedTypes = types;
    setDragEnabled(true);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    setDropIndicatorShown(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDragDropOverwriteMode(false);
    setDefaultDropAction(Qt::MoveAction);
}

QStringList cwTableView::registeredDraggedTypes() const
{
    return _draggedTypes;
}

bool cwTableView::shouldEditCell(int column, int row)
{
    cwTableDataSource* source = dataSource();
    if (!source || !source->shouldSelectRow(row))
        return false;
    return source->shouldEditTableColumn(columnIdentifier(column), row);
}

bool cwTableView::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event)
{
    if (_editWithoutAsking || trigger == QAbstractItemView::CurrentChanged)
        return openEditor(index, trigger, event);
    // Qt offers every key press and click as a possible edit; only a real start is put to the
    // source, since its answer may come with an alert.
    if (!(editTriggers() & trigger) || !index.isValid())
        return openEditor(index, trigger, event);
    if (cellKind(index.column()) == CellKind::CheckBox)
        return openEditor(index, trigger, event);  // the delegate asks on the click
    if (!shouldEditCell(index.column(), index.row()))
        return false;
    return openEditor(index, trigger, event);
}

QItemSelectionModel::SelectionFlags cwTableView::selectionCommand(const QModelIndex& index,
                                                                 const QEvent* event) const
{
    cwTableDataSource* source = dataSource();
    if (index.isValid() && source && event && !source->shouldSelectRow(index.row()))
        return QItemSelectionModel::NoUpdate;
    return QTableView::selectionCommand(index, event);
}

void cwTableView::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint)
{
    QTableView::closeEditor(editor, hint);
    if (_reloadPending)
        reloadData();
}

void cwTableView::headerClicked(int column)
{
    cwTableDataSource* source = dataSource();
    if (source && source->shouldSelectTableColumn(columnIdentifier(column)))
        selectColumn(column);
}
