#include "cwRecentDocuments.h"

#include <QUrl>

#include "cwUserDefaults.h"

namespace {

const char* const key = "RecentDocuments";

// One path a line: a line break cannot stand in a budget file name the program writes.
void store(const QStringList& paths)
{
    cwUserDefaults::standardUserDefaults().setObject(paths.join('\n'), key);
}

}  // namespace

void cwRecentDocuments::noteNewRecentDocumentURL(const QString& url)
{
    const QString path = QUrl(url).toLocalFile();
    if (path.isEmpty())
        return;
    QStringList paths = recentDocumentPaths();
    paths.removeAll(path);
    paths.prepend(path);
    store(paths.mid(0, maximumCount));
}

QStringList cwRecentDocuments::recentDocumentPaths()
{
    return cwUserDefaults::standardUserDefaults().stringForKey(key).split('\n', Qt::SkipEmptyParts);
}

void cwRecentDocuments::clearRecentDocuments()
{
    store({});
}
