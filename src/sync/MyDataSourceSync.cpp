#include "MyDataSource.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>
#include <QUrl>
#include <QWidget>

#include "cwProgressWinController.h"
#include "cwSvnClient.h"
#include "cwTask.h"

namespace {

constexpr int pollMilliseconds = 10;

// The folder that holds the file: the name without its last path component. An escaped name
// (one holding "%") is unescaped first, since an escaped folder names no real folder.
QString svnFolder(const QString& fileName)
{
    const QString path = fileName.contains('%') ? QUrl::fromPercentEncoding(fileName.toUtf8()) : fileName;
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0)
        return QString();
    return slash == 0 ? QStringLiteral("/") : path.left(slash);
}

// Lets the progress window draw and its indicator move; the user's clicks and keys wait.
void keepProgressMoving()
{
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

// The fixed pause after a commit and before the end of a detached update is handled.
void pauseOneSecond()
{
    const QDeadlineTimer deadline(1000);
    while (!deadline.hasExpired()) {
        keepProgressMoving();
        QThread::msleep(pollMilliseconds);
    }
}

}  // namespace

void MyDataSource::openProgressWindow(const QString& message)
{
    closeProgressWindow();
    _progressWindow = new cwProgressWinController;
    _progressWindow->showFromTitleBar(_mainWindow, true);
    _progressWindow->startProgress(message);
}

void MyDataSource::closeProgressWindow()
{
    if (!_progressWindow)
        return;
    _progressWindow->closeWindow();
    delete _progressWindow;
    _progressWindow = nullptr;
}

void MyDataSource::waitForSvnTask()
{
    while (_svnTask && _svnTask->isRunning()) {
        _svnTask->waitForExit(pollMilliseconds);
        keepProgressMoving();
    }
}

void MyDataSource::releaseSvnTask()
{
    if (_svnTask)
        _svnTask->deleteLater();
    _svnTask = nullptr;
    _svnUpdateDetached = false;
}

void MyDataSource::doSvnUpdate(bool detach)
{
    openProgressWindow(QStringLiteral("Performing SVN update"));
    _svnTask = new cwTask(this);
    if (detach)
        connect(_svnTask, &cwTask::taskDidTerminate, this, &MyDataSource::svnUpdateFinished);
    const bool started = _svnTask->launch(svnClientPath(), {QStringLiteral("update"), svnFolder(_fileName)});
    if (started && detach) {
        // The window takes no input until the end has been handled, so the file loaded then
        // never replaces work done meanwhile.
        _svnUpdateDetached = true;
        if (_mainWindow)
            _mainWindow->setEnabled(false);
        return;
    }
    waitForSvnTask();
    finishSvnUpdate(detach, started);
}

void MyDataSource::svnUpdateFinished(cwTask* task)
{
    if (task != _svnTask)
        return;
    pauseOneSecond();
    if (_mainWindow)
        _mainWindow->setEnabled(true);
    finishSvnUpdate(true, true);
}

void MyDataSource::waitForSvnUpdate()
{
    // The termination notice arrives while waiting and handles the end.
    while (_svnUpdateDetached && _svnTask) {
        _svnTask->waitForExit(pollMilliseconds);
        keepProgressMoving();
    }
}

void MyDataSource::finishSvnUpdate(bool detached, bool started)
{
    closeProgressWindow();
    const int status = started ? _svnTask->terminationStatus() : -1;
    const bool succeeded = status == 0;
    _svnUpdateDetached = false;

    // A waited update loads the file whatever its outcome; a detached one only after success.
    if (!detached || succeeded) {
        _fileSynced = true;
        loadFile(_pendingFile);
    }
    if (!succeeded) {
        _fileSynced = false;
        _syncFailed = true;
        QString message;
        if (!started)
            message = QStringLiteral("Subversion client %1 could not be started.\n").arg(svnClientPath());
        else if (detached)
            message = QStringLiteral("SVN update returned status %1!\nFile NOT loaded.").arg(status);
        else
            message = QStringLiteral("SVN update returned status %1!\n").arg(status);
        modalAlertMessage(message, QStringLiteral("WARNING"), false, _mainWindow);
    }
    releaseSvnTask();
    _pendingFile.clear();
    initView();
}

void MyDataSource::doSvnCommit()
{
    openProgressWindow(QStringLiteral("Performing SVN commit"));
    _svnTask = new cwTask(this);
    const bool started = _svnTask->launch(
        svnClientPath(), {QStringLiteral("ci"), QStringLiteral("-m\"Budget App commit.\""), svnFolder(_fileName)});
    if (started) {
        waitForSvnTask();
        pauseOneSecond();
    }
    closeProgressWindow();
    const int status = started ? _svnTask->terminationStatus() : -1;
    releaseSvnTask();
    // The save itself succeeded; the user must still learn that the year is not in the repository.
    if (status != 0)
        modalAlertMessage(
            QStringLiteral("SVN commit returned status %1!\nThe file was saved but not committed.\n").arg(status),
            QStringLiteral("WARNING"), false, _mainWindow);
}
