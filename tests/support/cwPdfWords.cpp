#include "cwPdfWords.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTextDocumentFragment>

namespace {

// Entities decoded, and ligatures such as "fi" taken apart into their letters.
QString plainWord(const QString& html)
{
    return QTextDocumentFragment::fromHtml(html).toPlainText().normalized(QString::NormalizationForm_KC);
}

}  // namespace

cwPdfWords cwPdfWords::read(const QString& pdfPath)
{
    cwPdfWords result;
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdfPath, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(60000) || pdftotext.exitStatus() != QProcess::NormalExit
        || pdftotext.exitCode() != 0)
        return result;

    const QString html = QString::fromUtf8(pdftotext.readAllStandardOutput());
    // Pages and words come in document order; each word belongs to the last page seen.
    static const QRegularExpression tag(QStringLiteral(
        R"re(<page width="([\d.]+)" height="([\d.]+)">|)re"
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    for (auto it = tag.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        if (match.capturedLength(1) > 0) {
            result.pageSizes.append(QSizeF(match.captured(1).toDouble(), match.captured(2).toDouble()));
            continue;
        }
        const double left = match.captured(3).toDouble();
        const double top = match.captured(4).toDouble();
        const double right = match.captured(5).toDouble();
        const double bottom = match.captured(6).toDouble();
        result.words.append(cwPdfWord{int(result.pageSizes.size()),
                                      plainWord(match.captured(7)),
                                      QRectF(left, top, right - left, bottom - top)});
    }
    return result;
}

int cwPdfWords::pageCount() const
{
    return int(pageSizes.size());
}

QList<cwPdfWord> cwPdfWords::find(const QString& text) const
{
    QList<cwPdfWord> found;
    for (const cwPdfWord& word : words)
        if (word.text == text)
            found.append(word);
    return found;
}

QList<cwPdfWord> cwPdfWords::onPage(int page) const
{
    QList<cwPdfWord> found;
    for (const cwPdfWord& word : words)
        if (word.page == page)
            found.append(word);
    return found;
}
