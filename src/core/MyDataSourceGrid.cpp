#include "MyDataSource.h"

#include <QMetaObject>
#include <QMimeData>

#include "cwEnvelopeWinController.h"
#include "cwNumberText.h"
#include "cwTableView.h"

namespace {

const char* const dragType = "MyPrivateTableViewDataType";
const char* const amountFormatMessage =
    "Amounts must be in INTEGER or \nFLOATING POINT format\n(I.e NO currency symbols, commas etc).\n\n"
    "Valid Examples: 25, 4.27, 3.2, -24.23\nNOTE: Negative amounts are treated as deposits.";
const int fixedRowCount = 3;

bool isFixedRow(int row)
{
    return row < fixedRowCount;
}

}  // namespace

QStringList MyDataSource::budgetColumnIds(const QStringList& monthIds)
{
    return QStringList{"desc", "average"} + monthIds;
}

int MyDataSource::numberOfRowsInTableView()
{
    return int(_catArray.size());
}

QVariant MyDataSource::objectValueForTableColumn(const QString& column, int row)
{
    Q_ASSERT_X(row >= 0 && row < _catArray.size(), "MyDataSource",
               "Invalid parameter not satisfying: rowIndex >= 0 && rowIndex < [_catArray count]");
    if (row < 0 || row >= _catArray.size())
        return QString();
    const QString value = _catArray[row].value(column);
    if (row == 2 || column == "desc" || (column == "average" && row < 2))
        return value;

    int flag = 0;
    const QString shown = roundCurrency(value, &flag);
    // A stored value that is not a number (it can only come from a data file) is reported once,
    // after the drawing that found it, not at every repaint.
    if (flag != 0 && !_reportedBadValues.contains(value)) {
        _reportedBadValues.insert(value);
        ++_badValuesToReport;
        if (!_mainWindow)
            reportBadValues();
        else if (_badValuesToReport == 1)
            QMetaObject::invokeMethod(this, &MyDataSource::reportBadValues, Qt::QueuedConnection);
    }
    return shown;
}

void MyDataSource::reportBadValues()
{
    // One alert after the other, for the values the last drawing found.
    while (_badValuesToReport > 0) {
        --_badValuesToReport;
        modalAlertMessage(amountFormatMessage, "Currency Conversion Error", false, nullptr);
    }
}

void MyDataSource::setObjectValue(const QVariant& value, const QString& column, int row)
{
    const QString text = value.toString();
    const QString current = row == 0 ? _monthlyBudget.value(column) : _catArray[row].value(column);
    if (current == text)
        return;

    if (column == "desc") {
        if (text.isEmpty())
            return;
        // The data file marks its structure with lines that begin with ";" and one value a line.
        if (text.startsWith(';') || text.contains('\n') || text.contains('\r')) {
            modalAlertMessage("Category names cannot begin with \";\" or contain line breaks.", "Invalid Name",
                              false, nullptr);
            return;
        }
        renameCategoryChecked(row, text, nullptr);
        return;
    }
    if (row != 0 || !_monthIds.contains(column))
        return;
    int flag = 0;
    validNumber(text, &flag);
    if (flag != 0) {
        modalAlertMessage(amountFormatMessage, "Currency Conversion Error", false, nullptr);
        return;
    }
    _monthlyBudget.insert(column, text);
    updateTotalsForMonth(column);
}

bool MyDataSource::shouldEditTableColumn(const QString& column, int row)
{
    if (column == "average")
        return false;
    if (column == "desc")
        return !isFixedRow(row);
    if (row != 0)
        return false;
    if (_catArray.size() == fixedRowCount) {
        modalAlertMessage("No Categories.  Please create a category.\n\nHINT: Click + button",
                          "No Categories Defined", false, nullptr);
        return false;
    }
    if (!_envelopeMode)
        return true;
    // In envelope mode a month's budget is the sum of its envelopes, set in the envelope sheet.
    _ourTableView->deselectAll();
    cwEnvelopeWinController envelopes;
    envelopes.openCustomModalSheet(_mainWindow, column);
    updateTotalsForMonth(column);
    return false;
}

bool MyDataSource::shouldSelectRow(int row)
{
    return row != 1 && row != 2;
}

bool MyDataSource::writeRowsWithIndexes(const QList<int>& rows, QMimeData* pasteboard)
{
    QStringList indexes;
    for (int row : rows) {
        if (isFixedRow(row))
            return false;
        indexes.append(QString::number(row));
    }
    pasteboard->setData(dragType, indexes.join(',').toLatin1());
    return true;
}

Qt::DropActions MyDataSource::validateDrop(const QMimeData*, int proposedRow, DropOperation)
{
    return isFixedRow(proposedRow) ? Qt::IgnoreAction : Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;
}

bool MyDataSource::acceptDrop(const QMimeData* info, int row, DropOperation)
{
    bool ok = false;
    const int from = QString::fromLatin1(info->data(dragType)).section(',', 0, 0).toInt(&ok);
    // Only rows of this table, dragged from a user category, are taken.
    if (!ok || isFixedRow(from) || from >= _catArray.size() || isFixedRow(row) || row > _catArray.size())
        return false;
    _catArray.insert(row, _catArray[from]);
    _catArray.removeAt(from > row ? from + 1 : from);
    updateView();
    return true;
}

QString MyDataSource::getDataForColumnIndex(int column, int row)
{
    return objectValueForTableColumn(budgetColumnIds(_monthIds).value(column), row).toString();
}

QRect MyDataSource::rectOfTableColumn(int column) const
{
    return _ourTableView ? _ourTableView->rectOfColumn(column) : QRect();
}

void MyDataSource::btnNewCategory()
{
    // A second "New Category" would share the first one's name; it is numbered instead.
    createCategory(uniqueCategoryName("New Category"), "0");
    const int last = int(_catArray.size()) - 1;
    _ourTableView->deselectAll();
    _ourTableView->selectRow(last, false);
    _ourTableView->editColumn(0, last, true);
}

void MyDataSource::btnDeleteCategory()
{
    const int row = _ourTableView->selectedRow();
    if (row < 0 || isFixedRow(row)) {
        modalAlertMessage("No Category selected.  Please select\na category to delete.", "ERROR", false, nullptr);
        return;
    }
    const QString message = QString("Removing Category <%1>\nwill permanently remove all data\n"
                                    "associated with this category!")
                                .arg(_catArray[row].value("desc"));
    if (modalAlertMessage(message, "WARNING", true, nullptr) != 1)
        return;
    _ourTableView->deselectAll();
    deleteCategoryByIndex(row);
}
