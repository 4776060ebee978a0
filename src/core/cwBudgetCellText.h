#pragma once

#include <QString>

// The text the budget table shows for the value of a row's cell: names, the separator row
// and the empty averages of the Budget and Remain rows as they are; every other cell as its
// whole number, the fraction cut toward zero. The flag receives 1 for a value that is not
// a valid number, 0 otherwise.
QString budgetCellText(int row, const QString& columnId, const QString& value, int* flag = nullptr);
