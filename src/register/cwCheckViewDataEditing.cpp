#include "cwCheckViewData.h"

#include <algorithm>

#include "MyDataSource.h"
#include "cwCheckViewCtrl.h"
#include "cwEntryComparator.h"
#include "cwNumberText.h"
#include "cwTableView.h"

namespace {
const int firstUserCategory = 3;
const int amountColumn = 1;

// The register's columns in their on-screen order.
const QStringList registerColumns = {"reconciled", "amount", "day", "desc", "category", "note"};

const QString dayMessage = "Day must be in INTEGER format.\n(I.e NO month, year etc).\n\n"
                           "Valid Examples: 1, 24, 31 etc.";
const QString amountMessage = "Amounts must be in INTEGER or \nFLOATING POINT format\n"
                              "(I.e NO currency symbols, commas etc).\n\n"
                              "Valid Examples: 25, 4.27, 3.2, -24.23\n"
                              "NOTE: Negative amounts are treated as deposits.";
const QString textMessage = "Descriptions cannot begin with \";\" and texts cannot contain line breaks.";
const QString categoryMessage = "Please choose one of the listed categories.";

QString sortKey(int method)
{
    static const QStringList keys = {"day", "category", "amount", "desc", "note"};
    return method >= 0 && method < keys.size() ? keys.at(method) : QString("");
}

// The data file keeps a description on a line of its own, after comment lines that begin
// with ";", and a note after a TAB on the day line: such texts would not read back.
bool storableText(const QString& column, const QString& text)
{
    if (text.contains('\n') || text.contains('\r'))
        return false;
    return column != "desc" || !text.startsWith(';');
}

int alert(const QString& message, const QString& title, bool withCancel)
{
    return MyDataSource::getMyDataSource()->modalAlertMessage(message, title, withCancel, nullptr);
}
}

int cwCheckViewData::numberOfRowsInTableView()
{
    return count();
}

QVariant cwCheckViewData::objectValueForTableColumn(const QString& column, int row)
{
    if (row < 0 || row >= _monthData.size())
        return QVariant();
    const cwRecord& entry = _monthData.at(row);
    if (column == "reconciled")
        return entry.value("reconciled") == "R" ? 1 : 0;
    return entry.value(column);
}

void cwCheckViewData::setObjectValue(const QVariant& value, const QString& column, int row)
{
    if (row < 0 || row >= _monthData.size())
        return;
    cwRecord& entry = _monthData[row];
    const QString old = entry.value(column);
    // The check box hands over a number, which never equals the stored mark.
    const bool isText = value.typeId() == QMetaType::QString;
    QString text = value.toString();
    if (isText && text == old)
        return;
    _dirty = true;

    if (column == "reconciled") {
        entry.insert("reconciled", old == " " ? "R" : " ");
        return;
    }
    if ((column == "desc" || column == "note") && !storableText(column, text)) {
        alert(textMessage, "Invalid Text", false);
        return;
    }
    if (column == "category" && !_categorySelect.contains(text)) {
        alert(categoryMessage, "Invalid Category", false);
        return;
    }
    if (column == "desc" && entry.value("autoLookupKey").isEmpty()) {
        entry.insert("autoLookupKey", "set");
        entry.insert("category", categoryFromDesc(text));
    }
    if (column == "category")
        entry.insert("autoLookupKey", "set");
    if (column == "note")
        text.replace('\t', ' ');  // the data file reads a TAB in a note back as a space
    if (column == "day") {
        int flag = 0;
        text = validDay(text, &flag);
        if (flag == 1) {
            alert(dayMessage, "Invalid Day", false);
            return;
        }
        _lastDayEntered = text;
    }
    if (column == "amount") {
        int flag = 0;
        text = validCurrency(text, &flag);
        if (flag == 1) {
            alert(amountMessage, "Invalid Currency Format", false);
            return;
        }
    }
    entry.insert(column, text);
    if (column == "amount")
        updateTotals();
}

bool cwCheckViewData::shouldSelectTableColumn(const QString& column)
{
    return _ourWindow && _ourWindow->shouldSelectTableColumn(column);
}

QString cwCheckViewData::columnIdentifierAt(int position) const
{
    if (_ourTableView)
        return _ourTableView->columnIdentifier(position);
    return registerColumns.value(position);
}

QString cwCheckViewData::getDataForColumnIndex(int position, int row)
{
    const QVariant shown = objectValueForTableColumn(columnIdentifierAt(position), row);
    if (position == 0)
        return intValue(shown.toString()) == 1 ? "X" : " ";
    return shown.toString();
}

QRect cwCheckViewData::rectOfTableColumn(int position) const
{
    return _ourTableView ? _ourTableView->rectOfColumn(position) : QRect();
}

void cwCheckViewData::sortByMethod(int method)
{
    _sortMethod = method;
    cwSortEntries(_monthData, sortKey(method));
    if (_ourTableView)
        _ourTableView->reloadData();
}

QSet<int> cwCheckViewData::selectedRows() const
{
    if (!_ourTableView)
        return {};
    const QList<int> rows = _ourTableView->selectedRows();
    return QSet<int>(rows.begin(), rows.end());
}

bool cwCheckViewData::addData()
{
    if (_categorySelect.isEmpty()) {
        alert("Please create a category first.", "No Categories Defined", false);
        return false;
    }
    cwRecord entry;
    entry.insert("reconciled", " ");
    entry.insert("amount", "0");
    entry.insert("day", _lastDayEntered);
    entry.insert("desc", "Unknown");
    entry.insert("note", "");
    entry.insert("category", _categorySelect.first());
    entry.insert("autoLookupKey", "");
    _dirty = true;
    _monthData.append(entry);

    if (_ourTableView) {
        _ourTableView->reloadData();
        _ourTableView->deselectAll();
        _ourTableView->selectRow(_monthData.size() - 1, false);
        _ourTableView->editColumn(amountColumn, _monthData.size() - 1, true);
    }
    return true;
}

void cwCheckViewData::delData()
{
    const QSet<int> rows = selectedRows();
    if (!validateSelection(rows, "Please select item(s) to delete."))
        return;
    if (_ourTableView)
        _ourTableView->deselectAll();
    if (alert("Are you sure you want to delete selected item(s)?", "Confirm Delete", true) != 1)
        return;

    _dirty = true;
    QList<int> ordered(rows.begin(), rows.end());
    std::sort(ordered.begin(), ordered.end(), std::greater<int>());
    for (int row : std::as_const(ordered)) {
        if (row >= 0 && row < _monthData.size())
            _monthData.removeAt(row);
    }
    if (_ourTableView) {
        _ourTableView->reloadData();
        _ourTableView->deselectAll();
    }
    updateTotals();
}

void cwCheckViewData::carryOverData()
{
    const QSet<int> rows = selectedRows();
    if (!validateSelection(rows, "Please select item(s) to carry-over."))
        return;
    const int next = _mainDataSrc->monthIndex(_monthId) + 1;
    if (next > 11)
        return;
    const QString nextId = _mainDataSrc->monthIdString(next);
    const QString question = QString("Insert data into %1 ?").arg(_mainDataSrc->monthFriendlyName(nextId));
    if (alert(question, "Confirm Carry-Over", true) != 1)
        return;

    QList<int> ordered(rows.begin(), rows.end());
    std::sort(ordered.begin(), ordered.end());
    cwCategoryData& catData = _mainDataSrc->getCatDataDictionary();
    for (int row : std::as_const(ordered)) {
        if (row < 0 || row >= _monthData.size())
            continue;
        const cwRecord& entry = _monthData.at(row);
        cwRecord copy;
        copy.insert("reconciled", " ");
        copy.insert("amount", entry.value("amount"));
        copy.insert("day", entry.value("day"));
        copy.insert("desc", entry.value("desc"));
        copy.insert("note", "");
        catData[entry.value("category")][nextId].append(copy);
    }
}

QString cwCheckViewData::categoryFromDesc(const QString& desc) const
{
    static const QString descKey = "desc";
    for (int i = _monthData.size() - 1; i >= 0; --i) {
        if (_monthData.at(i).value(descKey) == desc)
            return _monthData.at(i).value("category");
    }

    const QList<cwRecord>& catArray = _mainDataSrc->getCatArray();
    const cwCategoryData& catData = _mainDataSrc->getCatDataDictionary();
    for (int month = _mainDataSrc->monthIndex(_monthId) - 1; month >= 0; --month) {
        const QString monthId = _mainDataSrc->monthIdString(month);
        for (int i = firstUserCategory; i < catArray.size(); ++i) {
            const QString& name = catArray.at(i).value(descKey);
            const auto category = catData.constFind(name);
            if (category == catData.cend())
                continue;
            const cwMonthList& list = category->value(monthId);
            for (int j = 1; j < list.size(); ++j) {
                if (list.at(j).value(descKey) == desc)
                    return name;
            }
        }
    }
    return _categorySelect.value(0);
}
