// Times updateView on generated years of C categories x 12 months x 20 entries, for C = 500
// and C = 1000, and prints the ratio: the recomputation grows linearly with the categories
// and entries when the ratio stays near 2 (the target is at most 2.3).
#include "MyDataSource.h"
#include "cwBenchYear.h"
#include "cwUserDefaults.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdio>

namespace {

// The shared year, with an envelope in every month and a budget for every month.
void fillTotalsYear(MyDataSource& model, int categories)
{
    fillYear(model, categories);
    for (cwMonthMap& months : model.getCatDataDictionary())
        for (cwMonthList& list : months)
            list[0][QStringLiteral("amount")] = QStringLiteral("250.00");
    for (const QString& month : model.monthIds())
        model.getMonthlyBudget()[month] = QStringLiteral("100000");
}

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
    fillTotalsYear(small, 500);
    MyDataSource large;
    large.createFixedRows();
    fillTotalsYear(large, 1000);
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
