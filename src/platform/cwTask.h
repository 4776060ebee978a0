#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QProcess;

// A child process started from a program path and an explicit argument list, never through
// a shell. The child shares the program's working directory, environment, standard input and
// standard output. Its end is announced by taskDidTerminate on the main thread's event loop.
class cwTask : public QObject
{
    Q_OBJECT

public:
    explicit cwTask(QObject* parent = nullptr);

    // Starts the program; false when it could not be started (nothing then runs, and no
    // termination notice follows).
    bool launch(const QString& launchPath, const QStringList& arguments);

    bool isRunning() const;

    // Blocks the calling thread for at most msecs, returning early when the child ends.
    // Nothing else is handled meanwhile.
    void waitForExit(int msecs);

    // The exit status once the child has ended; -1 when it never started or did not exit
    // by itself (killed by a signal).
    int terminationStatus() const;

    // Starts a program that runs on independently of this one: never awaited, never stopped,
    // and left running when this program ends. False when it could not be started.
    static bool launchIndependent(const QString& launchPath, const QStringList& arguments);

signals:
    void taskDidTerminate(cwTask* task);

private:
    QProcess* _process;
    bool _launched = false;
};
