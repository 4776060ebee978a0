#include "cwSvnClient.h"

namespace {
QString& clientPath()
{
    static QString path = QStringLiteral("/usr/bin/svn");
    return path;
}
}

QString svnClientPath()
{
    return clientPath();
}

void setSvnClientPathForTesting(const QString& path)
{
    clientPath() = path;
}
