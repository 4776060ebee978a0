#include "cwURLFormat.h"

#include <QUrl>

QString URLToFilePath(const QString& url)
{
    QString path = url;
    return path.remove(QStringLiteral("file://localhost"));
}

QString filePathToURL(const QString& path)
{
    return QStringLiteral("file://") + (path.contains(u'%') ? path : escapedFilePath(path));
}

QString escapedFilePath(const QString& plainPath)
{
    // Everything that may stand in a URL's path stays; anything else, "#" and "?" included,
    // is escaped so that the URL names the same file.
    return QString::fromLatin1(QUrl::toPercentEncoding(plainPath, "/!$&'()*+,;=:@"));
}
