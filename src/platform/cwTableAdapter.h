#pragma once

#include <QAbstractTableModel>
#include <QStringList>

class cwTableDataSource;
class cwTableView;

// The Qt model behind a cwTableView: it holds nothing and passes every question of the view
// to the table's data source, translating rows, column identifiers and drop positions.
class cwTableAdapter : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit cwTableAdapter(cwTableView* table);

    void setDataSource(cwTableDataSource* source);
    cwTableDataSource* dataSource() const;
    void reload();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    Qt::DropActions supportedDragActions() const override;
    Qt::DropActions supportedDropActions() const override;
    bool canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                         const QModelIndex& parent) const override;
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;

private:
    // Qt names a drop by a gap row or by the item under the cursor; the source wants a row
    // and whether the drop is onto it or above it.
    void dropPlace(int row, const QModelIndex& parent, int* place, int* operation) const;

    cwTableView* _table;
    cwTableDataSource* _source = nullptr;
};
