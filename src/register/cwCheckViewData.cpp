#include "cwCheckViewData.h"

#include <QHash>

#include "MyDataSource.h"
#include "cwCheckViewCtrl.h"
#include "cwDecimalNumber.h"
#include "cwTableView.h"

namespace {
const int firstUserCategory = 3;
const cwRecord noEntry;
const QStringList entryKeys = {"reconciled", "amount", "day", "desc", "note"};
}

cwCheckViewData::cwCheckViewData()
    : _lastDayEntered("1")
{
}

void cwCheckViewData::setOutlets(cwCheckViewCtrl* window, cwTableView* tableView)
{
    _ourWindow = window;
    _ourTableView = tableView;
}

QString cwCheckViewData::getMonthId() const
{
    return _monthId;
}

int cwCheckViewData::count() const
{
    return _monthData.size();
}

QString cwCheckViewData::getBudgetTotal() const
{
    return _budgetTotal;
}

QString cwCheckViewData::getRemaining() const
{
    return _remaining;
}

const cwRecord& cwCheckViewData::entryAtRow(int row) const
{
    return row >= 0 && row < _monthData.size() ? _monthData.at(row) : noEntry;
}

void cwCheckViewData::loadMonthData(const QString& monthId)
{
    _dirty = false;
    _mainDataSrc = MyDataSource::getMyDataSource();
    _monthId = monthId;
    _monthData.clear();
    if (_ourWindow)
        _ourWindow->setMonthTitle(monthId);
    reloadCategoryList();

    const QList<cwRecord>& catArray = _mainDataSrc->getCatArray();
    const cwCategoryData& catData = _mainDataSrc->getCatDataDictionary();
    for (int i = firstUserCategory; i < catArray.size(); ++i) {
        const QString name = catArray.at(i).value("desc");
        const cwMonthList list = catData.value(name).value(monthId);
        for (int j = 1; j < list.size(); ++j) {
            const cwRecord& stored = list.at(j);
            cwRecord entry;
            for (const QString& key : entryKeys)
                entry.insert(key, stored.value(key));
            entry.insert("category", name);
            entry.insert("autoLookupKey", "set");
            _monthData.append(entry);
        }
    }
    sortByMethod(_sortMethod);
    updateTotals();
}

void cwCheckViewData::storeAndReleaseMonthData()
{
    // A cell still being typed belongs to this month: take it over before the month goes.
    if (_ourTableView) {
        _ourTableView->commitEditing();
        _ourTableView->deselectAll();
    }
    if (_monthId.isNull())
        return;

    if (_dirty) {
        _dirty = false;
        const QList<cwRecord>& catArray = _mainDataSrc->getCatArray();
        cwCategoryData& catData = _mainDataSrc->getCatDataDictionary();
        QHash<QString, cwMonthList*> lists;  // category name -> its list of this month
        for (int i = firstUserCategory; i < catArray.size(); ++i) {
            const QString& name = catArray.at(i).value("desc");
            cwMonthList& list = catData[name][_monthId];
            list.resize(1);
            lists.insert(name, &list);
        }
        for (const cwRecord& entry : std::as_const(_monthData)) {
            cwRecord stored = entry;
            stored.remove("category");
            stored.remove("autoLookupKey");
            lists.value(entry.value("category"))->append(stored);
        }
    }
    _monthData.clear();
    _monthId = QString();
    if (_ourTableView)
        _ourTableView->reloadData();
}

void cwCheckViewData::reloadCategoryList()
{
    const QList<cwRecord>& catArray = MyDataSource::getMyDataSource()->getCatArray();
    _categorySelect.clear();
    for (int i = firstUserCategory; i < catArray.size(); ++i)
        _categorySelect.append(catArray.at(i).value("desc"));
    // The drop-down shows every category without scrolling.
    _categoryVisibleItems = catArray.size();
    if (_ourTableView)
        _ourTableView->setComboItems("category", _categorySelect, _categoryVisibleItems);
}

const QStringList& cwCheckViewData::getCategoryItems() const
{
    return _categorySelect;
}

int cwCheckViewData::getCategoryVisibleItems() const
{
    return _categoryVisibleItems;
}

void cwCheckViewData::updateTotals()
{
    _budgetTotal = _mainDataSrc->calculateBudgetForColumnId(_monthId);
    cwDecimalNumber sum = cwDecimalNumber::zero();
    for (const cwRecord& entry : std::as_const(_monthData))
        sum = sum.decimalNumberByAdding(cwDecimalNumber::decimalNumberWithString(entry.value("amount")));
    const cwDecimalNumber remaining =
        cwDecimalNumber::decimalNumberWithString(_budgetTotal).decimalNumberBySubtracting(sum);
    _remaining = remaining.stringValue();
    if (_ourWindow)
        _ourWindow->setTotal(_budgetTotal, _remaining);
}

bool cwCheckViewData::validateSelection(const QSet<int>& rows, const QString& message)
{
    if (!rows.isEmpty())
        return true;
    MyDataSource::getMyDataSource()->modalAlertMessage(message, "Error", false, nullptr);
    return false;
}
