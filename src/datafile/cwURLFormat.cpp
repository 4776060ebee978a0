#include "cwURLFormat.h"

#include <QUrl>

QString URLToFilePath(const QString& url)
{
    QString path = url;
    return path.remove(QStringLiteral("file://localhost"));
}

QString filePathToURL(const QString& path)
{
    if (path.contains(u'%'))
        return QStringLiteral("file://") + path;
    // Everything that may stand in a URL's path stays; anything else, "#" and "?" included,
    // is escaped so that the URL names the same file.
    const QByteArray escaped = QUrl::toPercentEncoding(path, "/!$&'()*+,;=:@");
    return QStringLiteral("file://") + QString::fromLatin1(escaped);
}
