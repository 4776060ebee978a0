#include "cwLineArray.h"

#include <QFile>
#include <QStringDecoder>
#include <QUrl>

namespace {
// The writer writes UTF-8; text that is not valid UTF-8 is read as Latin-1, so that no
// file is refused and no byte lost for its encoding.
QString decodeText(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return QString::fromLatin1(bytes);
}
}  // namespace

cwLineArray::cwLineArray(const QString& urlString)
{
    const QUrl url(urlString, QUrl::StrictMode);
    if (url.isValid() && url.isLocalFile()) {
        QFile file(url.toLocalFile());
        if (file.open(QIODevice::ReadOnly)) {
            _fileValid = true;
            _text = decodeText(file.readAll());
            _lines = QStringView(_text).split(u"\r\n");
        }
    }
    resetLineIndex();
}

std::optional<QStringView> cwLineArray::getNextLine()
{
    if (!_fileValid || _getIndex >= _lines.size())
        return std::nullopt;
    while (_lines[_getIndex].startsWith(u';') && _getIndex + 1 < _lines.size())
        ++_getIndex;
    return _lines[_getIndex++];
}

void cwLineArray::resetLineIndex()
{
    _getIndex = 0;
}

const QList<QStringView>& cwLineArray::lines() const
{
    return _lines;
}
