#pragma once

#include <QList>
#include <QRect>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVariant>

#include "cwRecords.h"
#include "cwTableDataSource.h"

class MyDataSource;
class cwCheckViewCtrl;
class cwTableView;

// One month of the register: a working copy of that month's entries of every user
// category, the data source of the register table, and the month's budget total and
// remaining amount. Nothing reaches the model before the month is written back.
class cwCheckViewData : public cwTableDataSource
{
public:
    cwCheckViewData();

    // The register view controller and table this instance serves; either may be null.
    void setOutlets(cwCheckViewCtrl* window, cwTableView* tableView);

    // ---- month data (cwCheckViewData.cpp) ----
    QString getMonthId() const;  // null while no month is open
    int count() const;
    QString getBudgetTotal() const;
    QString getRemaining() const;
    const cwRecord& entryAtRow(int row) const;

    void loadMonthData(const QString& monthId);
    void storeAndReleaseMonthData();
    void reloadCategoryList();
    const QStringList& getCategoryItems() const;
    int getCategoryVisibleItems() const;
    void updateTotals();
    bool validateSelection(const QSet<int>& rows, const QString& message);

    // ---- editing and ordering (cwCheckViewDataEditing.cpp) ----
    int numberOfRowsInTableView() override;
    QVariant objectValueForTableColumn(const QString& column, int row) override;
    void setObjectValue(const QVariant& value, const QString& column, int row) override;
    bool shouldSelectTableColumn(const QString& column) override;  // the view controller decides

    QString getDataForColumnIndex(int position, int row);
    QRect rectOfTableColumn(int position) const;
    void sortByMethod(int method);
    bool addData();
    void delData();
    void carryOverData();
    QString categoryFromDesc(const QString& desc) const;

private:
    QString columnIdentifierAt(int position) const;
    QSet<int> selectedRows() const;

    cwCheckViewCtrl* _ourWindow = nullptr;
    cwTableView* _ourTableView = nullptr;
    QStringList _categorySelect;  // the item list of the category column's combo box
    int _categoryVisibleItems = 0;
    MyDataSource* _mainDataSrc = nullptr;
    QString _monthId;
    QList<cwRecord> _monthData;
    QString _budgetTotal;
    QString _remaining;
    QString _lastDayEntered;
    int _sortMethod = 0;
    bool _dirty = false;
};
