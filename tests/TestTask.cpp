#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "cwTask.h"

// Child processes: exit statuses, verbatim arguments, the termination notice and start failures.
class TestTask : public QObject
{
    Q_OBJECT

private slots:
    void exitStatusAndNotice_data();
    void exitStatusAndNotice();
    void argumentsReachTheChildUnchanged();
    void missingProgramIsReportedAtLaunch();
    void waitingReturnsEarlyWhenTheChildEnds();
};

void TestTask::exitStatusAndNotice_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::newRow("success") << "/bin/true" << QStringList() << 0;
    QTest::newRow("failure") << "/bin/false" << QStringList() << 1;
    QTest::newRow("status 7") << "/bin/sh" << QStringList{"-c", "exit 7"} << 7;
    QTest::newRow("killed by a signal") << "/bin/sh" << QStringList{"-c", "kill -9 $$"} << -1;
}

void TestTask::exitStatusAndNotice()
{
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    QFETCH(int, status);

    cwTask task;
    QSignalSpy ended(&task, &cwTask::taskDidTerminate);
    QVERIFY(task.launch(program, arguments));
    QVERIFY(ended.wait(10000));
    QCOMPARE(ended.size(), 1);
    QCOMPARE(ended.at(0).at(0).value<cwTask*>(), &task);
    QVERIFY(!task.isRunning());
    QCOMPARE(task.terminationStatus(), status);
}

void TestTask::argumentsReachTheChildUnchanged()
{
    QTemporaryDir dir;
    const QString out = dir.filePath("args");
    // Quotes, spaces and shell characters are passed as they are: no shell takes them apart.
    const QStringList given{"ci", "-m\"Budget App commit.\"", "/tmp/a b/$HOME;x"};
    cwTask task;
    QVERIFY(task.launch("/bin/sh", QStringList{"-c", "printf '%s\\n' \"$@\" > \"$0\"", out} + given));
    while (task.isRunning())
        task.waitForExit(10);
    QCOMPARE(task.terminationStatus(), 0);
    QFile file(out);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(file.readAll()), given.join('\n') + '\n');
}

void TestTask::missingProgramIsReportedAtLaunch()
{
    QTemporaryDir dir;
    cwTask task;
    QSignalSpy ended(&task, &cwTask::taskDidTerminate);
    QVERIFY(!task.launch(dir.filePath("no-such-program"), {}));
    QVERIFY(!task.isRunning());
    QCOMPARE(task.terminationStatus(), -1);
    QVERIFY(!ended.wait(200));
    QVERIFY(!cwTask::launchIndependent(dir.filePath("no-such-program"), {}));
}

void TestTask::waitingReturnsEarlyWhenTheChildEnds()
{
    cwTask task;
    QVERIFY(task.launch("/bin/sh", {"-c", "sleep 0.3"}));
    task.waitForExit(10);
    QVERIFY(task.isRunning());
    QElapsedTimer clock;
    clock.start();
    task.waitForExit(20000);
    QVERIFY(!task.isRunning());
    QVERIFY(clock.elapsed() < 10000);
}

QTEST_GUILESS_MAIN(TestTask)
#include "TestTask.moc"
