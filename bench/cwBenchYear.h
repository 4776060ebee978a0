#pragma once

// What the benchmarks share: a generated year of C categories x 12 months x 20 entries, and
// the clock they read.
#include "MyDataSource.h"

#include <time.h>

// Each category gets 20 entries a month with varied days, amounts, descriptions, notes and
// marks; one month of each category gets a budget.
inline void fillYear(MyDataSource& model, int categories)
{
    for (int c = 0; c < categories; ++c) {
        const QString name = QStringLiteral("Category %1").arg(c);
        model.createCategory(name, QStringLiteral("0"));
        cwMonthMap& months = model.getCatDataDictionary()[name];
        for (const QString& month : model.monthIds()) {
            cwMonthList& list = months[month];
            for (int e = 0; e < 20; ++e)
                list.append({{"day", QString::number((c + e) % 28 + 1)},
                             {"amount", QStringLiteral("%1.%2").arg(c % 89 + e).arg(e * 7 % 100, 2, 10, QChar('0'))},
                             {"desc", QStringLiteral("Shop %1").arg((c * 20 + e) % 4000)},
                             {"note", e % 3 ? QString() : QStringLiteral("weekly")},
                             {"reconciled", e % 2 ? QStringLiteral("R") : QStringLiteral(" ")}});
        }
        model.getMonthlyBudget()[model.monthIds().at(c % 12)] = QStringLiteral("50000");
    }
}

// Milliseconds of this thread's processor time, so that other programs on the machine do not count.
inline double threadMilliseconds()
{
    timespec now;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}
