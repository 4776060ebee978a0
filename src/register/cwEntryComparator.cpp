#include "cwEntryComparator.h"

#include "cwNumberText.h"

#include <algorithm>

namespace {

const QString kDay = QStringLiteral("day");
const QString kAmount = QStringLiteral("amount");

// Amounts compare in single precision, so amounts closer than it can tell apart are equal.
int compareAmounts(const cwRecord& a, const cwRecord& b)
{
    const float amountA = floatValue(a.value(kAmount));
    const float amountB = floatValue(b.value(kAmount));
    if (amountB > amountA)
        return -1;
    if (amountA > amountB)
        return 1;
    return 0;
}

// Day, then amount.
int compareDays(const cwRecord& a, const cwRecord& b)
{
    const int dayA = intValue(a.value(kDay));
    const int dayB = intValue(b.value(kDay));
    if (dayA < dayB)
        return -1;
    if (dayA > dayB)
        return 1;
    return compareAmounts(a, b);
}

}  // namespace

int cwEntryCompare(const cwRecord& a, const cwRecord& b, const QString& key)
{
    if (key == u"day")
        return compareDays(a, b);
    if (key == u"category" || key == u"desc" || key == u"note") {
        // Case-sensitive, by character code: capitals before small letters, "10" before "9".
        const int order = a.value(key).compare(b.value(key));
        if (order != 0)
            return order < 0 ? -1 : 1;
        return compareDays(a, b);
    }
    if (key == u"amount") {
        const int order = compareAmounts(a, b);
        return order != 0 ? order : compareDays(a, b);
    }
    return 0;
}

void cwSortEntries(QList<cwRecord>& entries, const QString& key)
{
    std::stable_sort(entries.begin(), entries.end(),
                     [&key](const cwRecord& a, const cwRecord& b) { return cwEntryCompare(a, b, key) < 0; });
}
