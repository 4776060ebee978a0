// Reads and sums a million amount texts with cwDecimalNumber, as the totals do, and compares the
// time with reading the same texts as doubles.
#include "cwDecimalNumber.h"
#include "cwNumberText.h"

#include <QElapsedTimer>
#include <QStringList>

#include <cstdio>

int main()
{
    constexpr int kCount = 1000000;
    QStringList amounts;
    amounts.reserve(kCount);
    for (int i = 0; i < kCount; ++i)
        amounts << QString::asprintf("%s%d.%02d", i % 7 == 0 ? "-" : "", int(qint64(i) * 7919 % 5000), i % 100);

    QElapsedTimer timer;
    timer.start();
    cwDecimalNumber sum = cwDecimalNumber::zero();
    for (const QString& amount : std::as_const(amounts))
        sum = sum.decimalNumberByAdding(cwDecimalNumber::decimalNumberWithString(amount));
    const qint64 decimalNs = timer.nsecsElapsed();
    const QString written = sum.stringValue();

    timer.restart();
    double doubleSum = 0;
    for (const QString& amount : std::as_const(amounts))
        doubleSum += doubleValue(amount);
    const qint64 doubleNs = timer.nsecsElapsed();

    std::printf("decimal read+add: %.1f ns per amount (sum %s)\n", double(decimalNs) / kCount, qPrintable(written));
    std::printf("double read+add:  %.1f ns per amount (sum %.2f)\n", double(doubleNs) / kCount, doubleSum);
    std::printf("ratio decimal/double: %.2f\n", double(decimalNs) / double(doubleNs));
    return 0;
}
