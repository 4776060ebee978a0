#include "MyDataSource.h"

#include "cwDecimalNumber.h"
#include "cwNumberText.h"

namespace {
const QString kAmount = QStringLiteral("amount");
const QString kAverage = QStringLiteral("average");
const QString kDesc = QStringLiteral("desc");

cwDecimalNumber decimalOf(const QString& text)
{
    return cwDecimalNumber::decimalNumberWithString(text);
}

// What a month list's register entries add up to; element 0 is the envelope entry.
cwDecimalNumber monthSpending(const cwMonthList& list)
{
    cwDecimalNumber spent = cwDecimalNumber::zero();
    for (qsizetype i = 1; i < list.size(); ++i)
        spent = spent.decimalNumberByAdding(decimalOf(list[i].value(kAmount)));
    return spent;
}
}  // namespace

void MyDataSource::updateView()
{
    for (const QString& monthId : _monthIds)
        updateTotalsForMonth(monthId);
    reloadBudgetTable();
}

void MyDataSource::updateTotalsForMonth(const QString& columnId)
{
    if (columnId == kDesc)
        return;
    const QString budget = calculateBudgetForColumnId(columnId);
    _catArray[0].insert(columnId, budget);
    _catArray[1].insert(columnId, budget);
    updateAveragesForCategory(0);
    if (_catArray.size() < 4) {
        // The fixed rows' averages are always "", with or without categories.
        updateAveragesForCategory(1);
        return;
    }

    const cwDecimalNumber base = decimalOf(_catArray[1].value(columnId));
    cwDecimalNumber total = cwDecimalNumber::zero();
    // Whether a month is active depends on the register entries alone, which this pass does
    // not change: it is found once here instead of once for every category's average.
    const int activeMonths = activeMonthCount();
    for (qsizetype i = 3; i < _catArray.size(); ++i) {
        cwRecord& row = _catArray[i];
        const cwMonthList list = _catData.value(row.value(kDesc)).value(columnId);
        const cwDecimalNumber spent = monthSpending(list);
        const cwDecimalNumber shown =
            _envelopeMode ? decimalOf(list[0].value(kAmount)).decimalNumberBySubtracting(spent) : spent;
        row.insert(columnId, shown.stringValue());
        total = total.decimalNumberByAdding(spent);
        row.insert(kAverage, QString::number(averageOfRow(row, activeMonths)));
    }
    _catArray[1].insert(columnId, base.decimalNumberBySubtracting(total).stringValue());
    updateAveragesForCategory(1);
    reloadBudgetTable();
}

QString MyDataSource::calculateBudgetForColumnId(const QString& monthId) const
{
    if (!_envelopeMode)
        return _monthlyBudget.value(monthId);
    cwDecimalNumber sum = cwDecimalNumber::zero();
    for (qsizetype i = 3; i < _catArray.size(); ++i) {
        const cwMonthList list = _catData.value(_catArray[i].value(kDesc)).value(monthId);
        sum = sum.decimalNumberByAdding(decimalOf(list[0].value(kAmount)));
    }
    return sum.stringValue();
}

void MyDataSource::updateAveragesForCategory(int index)
{
    cwRecord& row = _catArray[index];
    if (index < 3) {
        row.insert(kAverage, QString());
        return;
    }
    row.insert(kAverage, QString::number(averageOfRow(row, activeMonthCount())));
}

// The number of months in which any user category has at least one register entry.
int MyDataSource::activeMonthCount() const
{
    int active = 0;
    for (const QString& monthId : _monthIds) {
        for (qsizetype i = 3; i < _catArray.size(); ++i) {
            if (_catData.value(_catArray[i].value(kDesc)).value(monthId).size() >= 2) {
                ++active;
                break;
            }
        }
    }
    return active;
}

// The whole numbers of all twelve month cells, summed in 64 bits so that no twelve 32-bit
// values can overflow, divided by the active months with the fraction cut toward zero.
qint64 MyDataSource::averageOfRow(const cwRecord& row, int activeMonths) const
{
    if (activeMonths == 0)
        return 0;
    qint64 sum = 0;
    for (const QString& monthId : _monthIds)
        sum += intValue(row.value(monthId));
    return sum / activeMonths;
}
