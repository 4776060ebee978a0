#include "MyDataSource.h"

#include "cwDecimalNumber.h"
#include "cwNumberText.h"

#include <QVarLengthArray>

namespace {
const QString kAmount = QStringLiteral("amount");
const QString kAverage = QStringLiteral("average");
const QString kDesc = QStringLiteral("desc");

cwDecimalNumber decimalOf(const QString& text)
{
    return cwDecimalNumber::decimalNumberWithString(text);
}

// An entry's amount, without a copy. "amount" sorts before the entry's other keys, so it is
// nearly always the first one; looking there first spares the search through the record on
// every total.
const QString& amountOf(const cwRecord& entry)
{
    static const QString none;
    auto found = entry.constBegin();
    if (found == entry.constEnd() || found.key() != kAmount)
        found = entry.constFind(kAmount);
    return found == entry.constEnd() ? none : found.value();
}

// What a month list's register entries add up to; element 0 is the envelope entry.
cwDecimalNumber monthSpending(const cwMonthList& list)
{
    // The amounts are found first and read afterwards: the entries lie apart in memory, and a
    // short loop lets the processor fetch several of them at once.
    QVarLengthArray<const QString*, 64> amounts;
    for (qsizetype i = 1; i < list.size(); ++i)
        amounts.append(&amountOf(list[i]));
    cwDecimalNumber spent = cwDecimalNumber::zero();
    for (const QString* amount : amounts)
        spent = spent.decimalNumberByAdding(decimalOf(*amount));
    return spent;
}
}  // namespace

// The month maps and the active months are looked up once for all twelve passes: nothing a
// pass changes affects them, and so updateView stays linear in categories plus entries. Every
// pass would recompute every average, and only the last pass's survive, so only the last
// pass computes them.
void MyDataSource::updateView()
{
    const MonthMaps months = userMonthMaps();
    const int activeMonths = activeMonthCount(months);
    for (const QString& monthId : _monthIds)
        updateTotalsForMonth(monthId, months, monthId == _monthIds.last() ? activeMonths : -1);
    reloadBudgetTable();
}

void MyDataSource::updateTotalsForMonth(const QString& columnId)
{
    const MonthMaps months = userMonthMaps();
    updateTotalsForMonth(columnId, months, activeMonthCount(months));
}

void MyDataSource::updateTotalsForMonth(const QString& columnId, const MonthMaps& months, int activeMonths)
{
    if (columnId == kDesc)
        return;
    const QString budget = calculateBudgetForColumnId(columnId, months);
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
    for (qsizetype i = 3; i < _catArray.size(); ++i) {
        cwRecord& row = _catArray[i];
        const cwMonthList list = months[i - 3]->value(columnId);
        const cwDecimalNumber spent = monthSpending(list);
        const cwDecimalNumber shown =
            _envelopeMode ? decimalOf(amountOf(list.value(0))).decimalNumberBySubtracting(spent) : spent;
        row.insert(columnId, shown.stringValue());
        total = total.decimalNumberByAdding(spent);
        if (activeMonths >= 0)
            row.insert(kAverage, QString::number(averageOfRow(row, activeMonths)));
    }
    _catArray[1].insert(columnId, base.decimalNumberBySubtracting(total).stringValue());
    updateAveragesForCategory(1);
    reloadBudgetTable();
}

QString MyDataSource::calculateBudgetForColumnId(const QString& monthId) const
{
    return calculateBudgetForColumnId(monthId, userMonthMaps());
}

QString MyDataSource::calculateBudgetForColumnId(const QString& monthId, const MonthMaps& months) const
{
    if (!_envelopeMode)
        return _monthlyBudget.value(monthId);
    cwDecimalNumber sum = cwDecimalNumber::zero();
    for (const cwMonthMap* category : months)
        sum = sum.decimalNumberByAdding(decimalOf(category->value(monthId).value(0).value(kAmount)));
    return sum.stringValue();
}

void MyDataSource::updateAveragesForCategory(int index)
{
    cwRecord& row = _catArray[index];
    if (index < 3) {
        row.insert(kAverage, QString());
        return;
    }
    row.insert(kAverage, QString::number(averageOfRow(row, activeMonthCount(userMonthMaps()))));
}

// The month maps of the user categories in row order; they stay valid until _catData changes.
MyDataSource::MonthMaps MyDataSource::userMonthMaps() const
{
    static const cwMonthMap none;
    MonthMaps months;
    months.reserve(_catArray.size());
    for (qsizetype i = 3; i < _catArray.size(); ++i) {
        const auto found = _catData.constFind(_catArray[i].value(kDesc));
        months.append(found == _catData.constEnd() ? &none : &found.value());
    }
    return months;
}

// The number of months in which any user category has at least one register entry.
int MyDataSource::activeMonthCount(const MonthMaps& months) const
{
    int active = 0;
    for (const QString& monthId : _monthIds) {
        for (const cwMonthMap* category : months) {
            if (category->value(monthId).size() >= 2) {
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
