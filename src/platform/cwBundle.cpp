#include "cwBundle.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString cwBundle::version()
{
    return QStringLiteral(COINWICK_VERSION);
}

namespace {
QString& testResourcePath()
{
    static QString path;
    return path;
}
}

QString cwBundle::resourcePath()
{
    if (!testResourcePath().isEmpty())
        return testResourcePath();
    return QDir(QCoreApplication::applicationDirPath()).filePath("resources");
}

void cwBundle::setResourcePathForTesting(const QString& path)
{
    testResourcePath() = path;
}

QString cwBundle::executablePath(const QString& bundlePath)
{
    const QFileInfo bundle(bundlePath);
    if (!bundle.isDir() || bundle.suffix() != "app")
        return QString();
    const QFileInfo executable(QDir(bundlePath).filePath(bundle.completeBaseName()));
    if (!executable.isFile() || !executable.isExecutable())
        return QString();
    return executable.absoluteFilePath();
}
