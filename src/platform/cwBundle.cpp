#include "cwBundle.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString cwBundle::version()
{
    return QStringLiteral(COINWICK_VERSION);
}

QString cwBundle::resourcePath()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath("resources");
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
