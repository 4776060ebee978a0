#include "cwTask.h"

#include <QProcess>

cwTask::cwTask(QObject* parent)
    : QObject(parent), _process(new QProcess(this))
{
    _process->setProcessChannelMode(QProcess::ForwardedChannels);
    _process->setInputChannelMode(QProcess::ForwardedInputChannel);
    connect(_process, &QProcess::finished, this, [this] { emit taskDidTerminate(this); });
}

bool cwTask::launch(const QString& launchPath, const QStringList& arguments)
{
    _process->setProgram(launchPath);
    _process->setArguments(arguments);
    _process->start();
    // The start is confirmed (or refused) by the operating system at once; waiting for it
    // here makes a missing or unusable program a result instead of a later surprise.
    _launched = _process->waitForStarted(-1);
    return _launched;
}

bool cwTask::isRunning() const
{
    return _process->state() != QProcess::NotRunning;
}

void cwTask::waitForExit(int msecs)
{
    if (isRunning())
        _process->waitForFinished(msecs);
}

int cwTask::terminationStatus() const
{
    if (!_launched || isRunning() || _process->exitStatus() != QProcess::NormalExit)
        return -1;
    return _process->exitCode();
}

bool cwTask::launchIndependent(const QString& launchPath, const QStringList& arguments)
{
    return QProcess::startDetached(launchPath, arguments);
}
