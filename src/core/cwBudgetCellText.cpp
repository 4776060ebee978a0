#include "cwBudgetCellText.h"

#include "cwNumberText.h"

QString budgetCellText(int row, const QString& columnId, const QString& value, int* flag)
{
    if (flag)
        *flag = 0;
    if (row == 2 || columnId == QStringLiteral("desc") || (row < 2 && columnId == QStringLiteral("average")))
        return value;
    return roundCurrency(value, flag);
}
