// Times the data file on a generated year of 500 categories x 12 months x 40 entries (about
// 750,000 lines, in day order as the program saves them; a shuffled copy is timed too): (a) reading the file and splitting it into lines alone, the floor;
// (b) loadFile including updateView; (c) buildData plus the atomic write. Targets: (b) within
// 4x the floor, (c) within 3x. Times are processor time of the benchmark's thread.
#include "MyDataSource.h"
#include "cwBenchYear.h"
#include "cwUserDefaults.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <malloc.h>
#include <memory>

namespace {

// Entries in day order, as the program saves a year it loaded with sorting on; with
// shuffled set, each month's entries come in a scrambled order instead.
void fillYear(MyDataSource& model, bool shuffled)
{
    for (const QString& month : model.monthIds())
        model.getMonthlyBudget()[month] = QStringLiteral("4000");
    for (int c = 0; c < 500; ++c) {
        const QString name = QStringLiteral("Category %1").arg(c);
        model.createCategory(name, QStringLiteral("0"));
        for (cwMonthList& list : model.getCatDataDictionary()[name]) {
            list[0][QStringLiteral("amount")] = QStringLiteral("120.00");
            for (int i = 0; i < 40; ++i) {
                const int e = shuffled ? i * 17 % 40 : i;
                list.append({{"day", QString::number(e * 28 / 40 + 1)},
                             {"amount", QStringLiteral("%1.%2").arg(e * 7 + c % 50).arg(e % 9 * 11, 2, 10, QChar('0'))},
                             {"desc", QStringLiteral("Shop %1").arg(e % 13)},
                             {"note", e % 3 ? QString() : QStringLiteral("weekly")},
                             {"reconciled", e % 2 ? QStringLiteral("R") : QStringLiteral(" ")}});
            }
        }
    }
}

bool writeAtomically(const QString& path, const QByteArray& data)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size() && file.commit();
}

// Decoded as the reader decodes a data file: UTF-8, or Latin-1 when it is not valid UTF-8.
QString decodeText(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : text;
}

// The floor: the file read and split into lines the straightforward way, one text per line.
// Answers the number of lines.
qsizetype readAndSplit(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QStringList lines = decodeText(file.readAll()).split(QStringLiteral("\r\n"));
    return lines.size();
}

// The best of three runs, in milliseconds of this thread's processor time, so that other
// programs on the machine do not count. Before each run, untimed, prepare runs and the heap
// is tidied, so that no run pays for freeing what an earlier one left behind.
double bestOf(const std::function<void()>& work, const std::function<void()>& prepare = [] {})
{
    double best = 1e300;
    for (int run = 0; run < 3; ++run) {
        prepare();
        malloc_trim(0);
        const double start = threadMilliseconds();
        work();
        best = std::min(best, threadMilliseconds() - start);
    }
    return best;
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    cwUserDefaults::standardUserDefaults().useInMemoryStore();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("year.txt"));
    const QString shuffledPath = dir.filePath(QStringLiteral("shuffled.txt"));
    auto source = std::make_unique<MyDataSource>();
    source->createFixedRows();
    fillYear(*source, true);
    bool written = writeAtomically(shuffledPath, source->buildData());
    source = std::make_unique<MyDataSource>();
    source->createFixedRows();
    fillYear(*source, false);
    written = writeAtomically(path, source->buildData()) && written;
    if (!written) {
        std::fprintf(stderr, "cannot write into %s\n", qPrintable(dir.path()));
        return 1;
    }

    qsizetype lineCount = 0;
    const double floor = bestOf([&] { lineCount = readAndSplit(path); });
    // Each load goes into a started model made beforehand and freed afterwards, outside the timing.
    std::unique_ptr<MyDataSource> model;
    const auto startedModel = [&] {
        model.reset();
        model = std::make_unique<MyDataSource>();
        model->createFixedRows();
    };
    const double load = bestOf([&] { model->loadFile(path); }, startedModel);
    const double shuffledLoad = bestOf([&] { model->loadFile(shuffledPath); }, startedModel);
    model.reset();
    const double save = bestOf([&] { written = writeAtomically(path, source->buildData()) && written; });

    std::printf("%lld lines\n", static_cast<long long>(lineCount));
    std::printf("(a) read and split:           %8.1f ms\n", floor);
    std::printf("(b) loadFile with updateView: %8.1f ms  %.2fx the floor (target <= 4)\n", load, load / floor);
    std::printf("    the same, months shuffled:%8.1f ms  %.2fx the floor\n", shuffledLoad, shuffledLoad / floor);
    std::printf("(c) buildData and write:      %8.1f ms  %.2fx the floor (target <= 3)\n", save, save / floor);
    return written ? 0 : 1;
}
