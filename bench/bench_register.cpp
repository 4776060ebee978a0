// Times the register on generated years of C categories x 12 months x 20 entries: opening every
// month, changing one note and writing the month back, and the category lookup of a
// description found nowhere (the whole open month and every earlier month are searched).
// C = 500 and C = 1000 are both timed, so the ratio shows how the work grows.
#include "MyDataSource.h"
#include "cwBenchYear.h"
#include "cwCheckViewData.h"
#include "cwUserDefaults.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>

namespace {

struct Figures
{
    double openChangeStore = 0;  // all twelve months, milliseconds
    double lookup = 0;           // one lookup with December open, milliseconds
};

Figures timeRegister(MyDataSource& model, int run)
{
    cwCheckViewData data;
    Figures figures;
    QElapsedTimer timer;
    timer.start();
    for (const QString& month : model.monthIds()) {
        data.loadMonthData(month);
        data.setObjectValue(QStringLiteral("checked %1").arg(run), QStringLiteral("note"), data.count() / 2);
        data.storeAndReleaseMonthData();
    }
    figures.openChangeStore = timer.nsecsElapsed() / 1e6;

    data.loadMonthData(QStringLiteral("dec"));
    timer.restart();
    const QString found = data.categoryFromDesc(QStringLiteral("found nowhere"));
    figures.lookup = timer.nsecsElapsed() / 1e6;
    data.storeAndReleaseMonthData();
    if (found != QStringLiteral("Category 0"))
        std::printf("unexpected lookup answer %s\n", qPrintable(found));
    return figures;
}

Figures bestOf(int categories)
{
    MyDataSource model;  // the single instance the register asks for
    model.createFixedRows();
    fillYear(model, categories);
    Figures best{1e300, 1e300};
    for (int run = 0; run < 3; ++run) {
        const Figures f = timeRegister(model, run);
        best.openChangeStore = std::min(best.openChangeStore, f.openChangeStore);
        best.lookup = std::min(best.lookup, f.lookup);
    }
    return best;
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    cwUserDefaults::standardUserDefaults().useInMemoryStore();
    const Figures small = bestOf(500);
    const Figures large = bestOf(1000);
    std::printf("register, open + change one note + write back, all 12 months: C=500 %.1f ms, C=1000 %.1f ms, "
                "ratio %.2f\n",
                small.openChangeStore, large.openChangeStore, large.openChangeStore / small.openChangeStore);
    std::printf("register, one month at C=1000 (20000 entries): %.1f ms\n", large.openChangeStore / 12);
    std::printf("category lookup of a description found nowhere, December open: C=500 %.2f ms, C=1000 %.2f ms, "
                "ratio %.2f\n",
                small.lookup, large.lookup, large.lookup / small.lookup);
    return 0;
}
