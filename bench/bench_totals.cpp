// Times updateView on generated years of C categories x 12 months x 20 entries, for C = 500
// and C = 1000, and prints the ratio: the recomputation grows linearly with the categories
// and entries when the ratio stays near 2 (the target is at most 2.3).
#include "MyDataSource.h"
#include "cwUserDefaults.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdio>
#include <time.h>

namespace {

void fillYear(MyDataSource& model, int categories)
{
    for (int c = 0; c < categories; ++c) {
        const QString name = QStringLiteral("Category %1").arg(c);
        model.createCategory(name, QStringLiteral("0"));
        cwMonthMap& months = model.getCatDataDictionary()[name];
        for (const QString& month : model.monthIds()) {
            cwMonthList& list = months[month];
            list[0][QStringLiteral("amount")] = QStringLiteral("250.00");
            for (int e = 0; e < 20; ++e)
                list.append({{"day", QString::number(e + 1)},
                             {"amount", QStringLiteral("%1.%2").arg(c % 97 + e).arg(e % 10 * 11, 2, 10, QChar('0'))},
                             {"desc", QStringLiteral("entry")},
                             {"note", QString()},
                             {"reconciled", QStringLiteral(" ")}});
        }
    }
    for (const QString& month : model.monthIds())
        model.getMonthlyBudget()[month] = QStringLiteral("100000");
}

double threadMilliseconds()
{
    timespec now;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// Milliseconds of this thread's processor time, so that other programs on the machine do not count.
double timeUpdateView(MyDataSource& model)
{
    const double start = threadMilliseconds();
    model.updateView();
    return threadMilliseconds() - start;
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    cwUserDefaults::standardUserDefaults().useInMemoryStore();
    // Both years are built before anything is timed, and the runs alternate, so that neither
    // size is measured on a heap the other one left behind.
    MyDataSource small;
    small.createFixedRows();
    fillYear(small, 500);
    MyDataSource large;
    large.createFixedRows();
    fillYear(large, 1000);
    for (bool envelope : {false, true}) {
        small.setEnvelopeMode(envelope);
        large.setEnvelopeMode(envelope);
        double bestSmall = 1e300;
        double bestLarge = 1e300;
        for (int run = 0; run < 5; ++run) {
            bestSmall = std::min(bestSmall, timeUpdateView(small));
            bestLarge = std::min(bestLarge, timeUpdateView(large));
        }
        std::printf("%s mode: updateView C=500 %.1f ms, C=1000 %.1f ms, ratio %.2f (target <= 2.3)\n",
                    envelope ? "envelope" : "standard", bestSmall, bestLarge, bestLarge / bestSmall);
    }
    return 0;
}
