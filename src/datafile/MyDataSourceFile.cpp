#include "MyDataSource.h"

#include "cwAppendString.h"
#include "cwEntryComparator.h"
#include "cwLineArray.h"
#include "cwLog.h"
#include "cwNumberText.h"
#include "cwURLFormat.h"
#include "cwUserDefaults.h"

#include <algorithm>
#include <climits>

namespace {
const QString kDay = QStringLiteral("day");
const QString kAmount = QStringLiteral("amount");
const QString kDesc = QStringLiteral("desc");
const QString kNote = QStringLiteral("note");
const QString kReconciled = QStringLiteral("reconciled");
const QString kEnvelopeDesc = QStringLiteral("__ENVELOPE__");
const QString kTab = QStringLiteral("\t");
const QString kSpace = QStringLiteral(" ");

// The entry count of a count line: its integer part, no entries when it is not a positive number.
int entryCount(QStringView line)
{
    const double count = doubleValue(line.toString());
    if (!(count >= 1))
        return 0;
    return count >= INT_MAX ? INT_MAX : static_cast<int>(count);
}

// The text of a short field. Days, reconciled marks and empty notes repeat on nearly every
// entry of a year, so the common ones share one text instead of each holding a copy.
QString fieldText(QStringView piece)
{
    static const QList<QString> days = [] {
        QList<QString> texts;
        for (int day = 0; day <= 31; ++day)
            texts.append(QString::number(day));
        return texts;
    }();
    static const QString empty = QStringLiteral("");
    static const QString reconciledMark = QStringLiteral("R");
    const auto digit = [](QChar c) { return c >= u'0' && c <= u'9' ? c.unicode() - u'0' : -1; };
    if (piece.isEmpty())
        return empty;
    if (piece.size() == 1) {
        if (piece[0] == u' ')
            return kSpace;
        if (piece[0] == u'R')
            return reconciledMark;
        if (digit(piece[0]) >= 0)
            return days[digit(piece[0])];
    } else if (piece.size() == 2 && digit(piece[0]) >= 1 && digit(piece[1]) >= 0) {
        const int day = digit(piece[0]) * 10 + digit(piece[1]);
        if (day <= 31)
            return days[day];
    }
    return piece.toString();
}

// Every entry holds the same five keys: copying a record that has them and filling in the
// values spares the key comparisons of five inserts.
cwRecord newEntry(QString amount, QString day, QString desc, QString note, QString reconciled)
{
    static const cwRecord keys{{kAmount, QString()}, {kDay, QString()}, {kDesc, QString()}, {kNote, QString()}, {kReconciled, QString()}};
    cwRecord entry = keys;
    auto field = entry.begin();  // the copy's own keys, in their sorted order
    (field++).value() = std::move(amount);
    (field++).value() = std::move(day);
    (field++).value() = std::move(desc);
    (field++).value() = std::move(note);
    field.value() = std::move(reconciled);
    return entry;
}

// Reads the three lines of one entry and answers its description line, or nothing when the
// file ends before that line. Only the fields kept become texts of their own. The amount line holds amount TAB reconciled (further pieces
// ignored), the day line day TAB note, where every further TAB of the note reads as a space.
std::optional<QStringView> readEntry(cwLineArray& reader, cwRecord& entry)
{
    const std::optional<QStringView> amountLine = reader.getNextLine();
    const std::optional<QStringView> dayLine = amountLine ? reader.getNextLine() : std::nullopt;
    const std::optional<QStringView> descLine = dayLine ? reader.getNextLine() : std::nullopt;
    if (!descLine)
        return std::nullopt;
    const QStringView amountText = *amountLine;
    const QStringView dayText = *dayLine;
    const qsizetype amountEnd = amountText.indexOf(u'\t');
    const qsizetype dayEnd = dayText.indexOf(u'\t');
    QString reconciled = kSpace;
    if (amountEnd >= 0) {
        const qsizetype reconciledEnd = amountText.indexOf(u'\t', amountEnd + 1);
        reconciled = fieldText(amountText.sliced(amountEnd + 1, (reconciledEnd < 0 ? amountText.size() : reconciledEnd) - amountEnd - 1));
    }
    QString note = fieldText(dayEnd < 0 ? QStringView() : dayText.sliced(dayEnd + 1));
    if (note.contains(u'\t'))
        note.replace(u'\t', u' ');
    entry = newEntry(validCurrency((amountEnd < 0 ? amountText : amountText.first(amountEnd)).toString()),
                     fieldText(dayEnd < 0 ? dayText : dayText.first(dayEnd)), descLine->toString(), std::move(note),
                     std::move(reconciled));
    return descLine;
}

// Reads a month block's entries into its list: an entry whose description is "__ENVELOPE__"
// at the head of the block replaces the envelope entry, every other entry is appended.
// Answers false when the file ended inside the block.
bool readMonthEntries(cwLineArray& reader, int count, cwMonthList& list)
{
    list.reserve(list.size() + std::min(count, 1000));
    for (int j = 0; j < count; ++j) {
        cwRecord entry;
        const std::optional<QStringView> desc = readEntry(reader, entry);
        if (!desc)
            return false;
        if (j == 0 && *desc == kEnvelopeDesc)
            list[0] = std::move(entry);
        else
            list.append(std::move(entry));
    }
    return true;
}

// Orders the register entries by day; element 0, the envelope entry, keeps its place
// whatever day a hand-edited file gives the entries.
void sortRegisterEntries(cwMonthList& list)
{
    const auto outOfOrder = [](const cwRecord& a, const cwRecord& b) { return cwEntryCompare(b, a, kDay) < 0; };
    if (std::adjacent_find(list.cbegin() + 1, list.cend(), outOfOrder) == list.cend())
        return;  // a year the program saved is mostly in day order already
    cwMonthList entries = list.mid(1);
    cwSortEntries(entries, kDay);
    list.resize(1);
    list.append(entries);
}
}  // namespace

QByteArray MyDataSource::buildData() const
{
    QByteArray data;
    data.reserve(1000);
    appendString(data, QStringLiteral("; ****** MONTHLY_BUDGET ******"));
    appendString(data, QStringLiteral("Ver 1"));
    for (const QString& monthId : _monthIds)
        appendString(data, _monthlyBudget.value(monthId));
    for (qsizetype i = 3; i < _catArray.size(); ++i) {
        const QString name = _catArray[i].value(kDesc);
        appendString(data, QStringLiteral("; ****** CATEGORY_ID ******"));
        appendString(data, name);
        const cwMonthMap months = _catData.value(name);
        for (qsizetype m = 0; m < _monthIds.size(); ++m) {
            const cwMonthList list = months.value(_monthIds[m]);
            const QString count = QString::number(list.size());
            appendString(data, QStringLiteral("; ****** [%1] %2 %3 Entries ******").arg(_monthNames[m], name, count));
            appendString(data, count);
            for (const cwRecord& entry : list) {
                appendString(data, entry.value(kAmount) + kTab + entry.value(kReconciled));
                appendString(data, entry.value(kDay) + kTab + entry.value(kNote));
                appendString(data, entry.value(kDesc));
            }
        }
    }
    return data;
}

void MyDataSource::loadFile(const QString& path)
{
    const QString url = filePathToURL(path);
    cwLog(QStringLiteral("Open File String: %1\n").arg(path));
    cwLog(QStringLiteral("Open File URL: %1\n").arg(url));
    cwLineArray reader(url);
    std::optional<QStringView> line = reader.getNextLine();
    if (!line) {
        modalAlertMessage(QStringLiteral("Source File %1 not found!\n").arg(path), QStringLiteral("WARNING"), false, nullptr);
        setFileName(QString());
        return;
    }
    emit recentDocumentNoted(QUrl(url));
    if (*line != u"Ver 1") {
        modalAlertMessage(QStringLiteral("Selected file is NOT a valid data file\n"), QStringLiteral("WARNING"), false, nullptr);
        setFileName(QString());
        return;
    }

    // A file that ends early keeps everything read up to its last complete entry.
    const bool sortByDay = cwUserDefaults::standardUserDefaults().boolForKey(QStringLiteral("SortData"));
    line = reader.getNextLine();
    for (const QString& monthId : _monthIds) {
        if (!line)
            break;
        _monthlyBudget.insert(monthId, line->toString());
        line = reader.getNextLine();
    }
    while (line) {
        // A name already in use gets a name of its own, so that both categories keep their entries.
        // An empty name creates no category; its entries are read and dropped.
        const QString name = line->isEmpty() ? QString() : uniqueCategoryName(line->toString());
        const bool created = createCategory(name, QStringLiteral("0")) == 1;
        for (const QString& monthId : _monthIds) {
            const std::optional<QStringView> countLine = reader.getNextLine();
            if (!countLine)
                break;
            cwMonthList dropped{cwRecord()};
            cwMonthList& list = created ? _catData[name][monthId] : dropped;
            const bool complete = readMonthEntries(reader, entryCount(*countLine), list);
            if (sortByDay)
                sortRegisterEntries(list);
            if (!complete)
                break;
        }
        line = reader.getNextLine();
    }
    updateView();
}
