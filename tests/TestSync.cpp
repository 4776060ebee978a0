#include <QAction>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QProcess>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#include "MyDataSource.h"
#include "cwSvnClient.h"
#include "cwUserDefaults.h"
#include "support/cwSheetAnswerer.h"
#include "support/cwTestMain.h"

namespace {

struct Run
{
    int status;
    QString output;
};

Run run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput())};
}

// A data file with the given categories and no register entries.
QByteArray dataFile(const QStringList& categories)
{
    QByteArray data;
    const auto line = [&data](const QString& text) { data += text.toUtf8() + "\r\n"; };
    line("; ****** MONTHLY_BUDGET ******");
    line("Ver 1");
    for (int month = 0; month < 12; ++month)
        line("100");
    const QStringList months{"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    for (const QString& category : categories) {
        line("; ****** CATEGORY_ID ******");
        line(category);
        for (const QString& month : months) {
            line(QString("; ****** [%1] %2 1 Entries ******").arg(month, category));
            line("1");
            line("0\t ");
            line("0\t");
            line("__ENVELOPE__");
        }
    }
    return data;
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QString readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

}  // namespace

// Subversion update and commit against a real repository in a temporary folder: the working
// copy (a folder whose name holds a space) has budget.txt at revision 1 (Food); revision 2 in
// the repository adds Rent, so a load that shows Rent came through an update.
class TestSync : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void startUpLoadsAfterTheDetachedUpdate();
    void openThenQuitCommitsTheFolder();
    void saveAndSaveAsNeverCommit();
    void failedWaitedUpdateLoadsAndClosesTheGate();
    void failedDetachedUpdateLoadsNothing();
    void failedCommitIsReported_data();
    void failedCommitIsReported();
    void missingClientCountsAsFailedUpdate_data();
    void missingClientCountsAsFailedUpdate();
    void syncOffRunsNoClient();

private:
    // Builds the main window and runs start-up with these preferences.
    void startProgram(bool syncData, const QString& dataFile);
    QStringList categories() const;
    int youngestRevision() const;
    QString progressMessageShowing() const;
    void expectAlert(const QString& message);
    // The system's request to open a file, with no current file: the unnamed model is discarded.
    void openWithoutCurrentFile(const QString& path);

    QTemporaryDir* _dir = nullptr;
    QString _repo;
    QString _wc;
    QString _file;
    MyDataSource* _source = nullptr;
    QStringList _progressSeen;  // every message the progress window showed
    QTimer _progressWatch;
};

void TestSync::initTestCase()
{
    // The progress window is sampled all along, also while the program waits for the client.
    _progressWatch.setInterval(5);
    connect(&_progressWatch, &QTimer::timeout, this, [this] {
        const QString message = progressMessageShowing();
        if (!message.isEmpty() && !_progressSeen.contains(message))
            _progressSeen << message;
    });
    _progressWatch.start();
}

void TestSync::init()
{
    QSettings(QSettings::NativeFormat, QSettings::UserScope, "Coinwick", "Coinwick").clear();
    setSvnClientPathForTesting("/usr/bin/svn");
    _progressSeen.clear();

    _dir = new QTemporaryDir;
    _repo = _dir->filePath("repo");
    _wc = _dir->filePath("working copy");
    _file = _wc + "/budget.txt";
    const QString url = "file://" + _repo;
    QCOMPARE(run("svnadmin", {"create", _repo}).status, 0);
    QCOMPARE(run("svn", {"checkout", "-q", url, _wc}).status, 0);
    QVERIFY(writeFile(_file, dataFile({"Food"})));
    QCOMPARE(run("svn", {"add", "-q", _file}).status, 0);
    QCOMPARE(run("svn", {"commit", "-q", "-m", "first", _wc}).status, 0);
    const QString other = _dir->filePath("other");
    QCOMPARE(run("svn", {"checkout", "-q", url, other}).status, 0);
    QVERIFY(writeFile(other + "/budget.txt", dataFile({"Food", "Rent"})));
    QCOMPARE(run("svn", {"commit", "-q", "-m", "second", other}).status, 0);
    QCOMPARE(youngestRevision(), 2);
}

void TestSync::cleanup()
{
    delete _source;
    _source = nullptr;
    delete _dir;
    _dir = nullptr;
    const QStringList failures = cwSheetAnswerer::instance().takeFailures();
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join('\n')));
}

void TestSync::startProgram(bool syncData, const QString& dataFile)
{
    _source = new MyDataSource;
    cwUserDefaults& defaults = cwUserDefaults::standardUserDefaults();
    defaults.setObject(_source->getVersion(), "CurrentVersion");
    defaults.setBool(syncData, "SyncData");
    defaults.setObject(dataFile, "DataFile");
    QVERIFY(_source->loadMainWindow());
}

QStringList TestSync::categories() const
{
    QStringList names;
    const QList<cwRecord>& rows = _source->getCatArray();
    for (int i = 3; i < rows.size(); ++i)
        names << rows[i].value("desc");
    return names;
}

int TestSync::youngestRevision() const
{
    return run("svnlook", {"youngest", _repo}).output.trimmed().toInt();
}

QString TestSync::progressMessageShowing() const
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && window->findChild<QProgressBar*>("_progressIndicator"))
            return window->findChild<QLabel*>("_message")->text();
    }
    return QString();
}

void TestSync::expectAlert(const QString& message)
{
    // The progress window has gone before anything is said to the user.
    cwSheetAnswerer::instance().expect("WARNING", message, "OK", [this](QDialog*) {
        QCOMPARE(progressMessageShowing(), QString());
    });
}

void TestSync::openWithoutCurrentFile(const QString& path)
{
    cwSheetAnswerer::instance().expectFile(
        "! WARNING !\n\nUnsaved Changes Exist!\nSelect file to save as or CANCEL to discard.", QString());
    _source->openFile(path);
}

void TestSync::startUpLoadsAfterTheDetachedUpdate()
{
    // The name is kept escaped, as the file panels give it; the client gets the real folder.
    const QString escaped = QString::fromLatin1(QUrl::toPercentEncoding(_file, "/"));
    QVERIFY(escaped.contains("working%20copy"));
    startProgram(true, escaped);
    // The update runs in the background; until its end is handled the window takes no input.
    QVERIFY(!_source->getMainWindow()->isEnabled());
    QCOMPARE(categories(), QStringList());
    QCOMPARE(progressMessageShowing(), QString("Performing SVN update"));

    QTRY_VERIFY_WITH_TIMEOUT(_source->getMainWindow()->isEnabled(), 30000);
    QCOMPARE(categories(), (QStringList{"Food", "Rent"}));
    QCOMPARE(progressMessageShowing(), QString());
    QCOMPARE(_source->getFileName(), escaped);
}

void TestSync::openThenQuitCommitsTheFolder()
{
    startProgram(true, QString());
    openWithoutCurrentFile(_file);
    QCOMPARE(categories(), (QStringList{"Food", "Rent"}));

    _source->createCategory("Car", "0");
    QSignalSpy terminate(_source, &MyDataSource::terminateRequested);
    _source->menuQuit();
    QCOMPARE(terminate.size(), 1);
    QCOMPARE(youngestRevision(), 3);
    const QString log = run("svn", {"log", "-r", "HEAD", "file://" + _repo}).output;
    QVERIFY2(log.contains("\"Budget App commit.\""), qPrintable(log));
    QVERIFY(run("svn", {"cat", "file://" + _repo + "/budget.txt"}).output.contains("\r\nCar\r\n"));
    QCOMPARE(_progressSeen, (QStringList{"Performing SVN update", "Performing SVN commit"}));
    QCOMPARE(progressMessageShowing(), QString());
}

void TestSync::saveAndSaveAsNeverCommit()
{
    startProgram(true, QString());
    openWithoutCurrentFile(_file);
    _source->createCategory("Car", "0");

    _source->menuSave();
    QVERIFY(readFile(_file).contains("\r\nCar\r\n"));
    cwSheetAnswerer::instance().expectFile("Save File AS", _wc + "/copy.txt");
    _source->menuSaveAs();
    QVERIFY(readFile(_wc + "/copy.txt").contains("\r\nCar\r\n"));
    QCOMPARE(youngestRevision(), 2);
    QCOMPARE(_progressSeen, QStringList{"Performing SVN update"});

    // The file came through an update, so the save before New commits the folder.
    _source->menuNewFile();
    QCOMPARE(youngestRevision(), 3);
}

void TestSync::failedWaitedUpdateLoadsAndClosesTheGate()
{
    const QString outside = _dir->filePath("budget.txt");  // a folder that is no working copy
    QVERIFY(writeFile(outside, dataFile({"Fuel"})));
    startProgram(true, QString());
    QList<QAction*> tagged;
    for (QAction* item : _source->getMainWindow()->findChildren<QAction*>()) {
        if (item->property("tag").toInt() >= 20002 && item->property("tag").toInt() <= 20005)
            tagged << item;
    }
    QCOMPARE(tagged.size(), 4);
    for (QAction* item : tagged)
        QCOMPARE(_source->validateMenuItem(item), item->property("tag").toInt() != 20005);

    cwSheetAnswerer::instance().expectFile(
        "! WARNING !\n\nUnsaved Changes Exist!\nSelect file to save as or CANCEL to discard.", QString());
    expectAlert("SVN update returned status 1!\n");
    _source->openFile(outside);
    QCOMPARE(categories(), QStringList{"Fuel"});
    QCOMPARE(_source->getFileName(), outside);

    // The File menu asks before it shows: its governed items stay off for the rest of the run.
    auto* fileMenu = _source->getMainWindow()->findChild<QMenu*>("menuFile");
    QVERIFY(fileMenu);
    emit fileMenu->aboutToShow();
    for (QAction* item : tagged) {
        QVERIFY(!_source->validateMenuItem(item));
        QVERIFY(!item->isEnabled());
    }
    expectAlert("File operations not allowed due to SVN sync failure!\n");
    _source->menuSave();
    expectAlert("File operations not allowed due to SVN sync failure!\n");
    _source->openFile(_file);
    QCOMPARE(categories(), QStringList{"Fuel"});
    QVERIFY(cwSheetAnswerer::instance().allAnswered());
}

void TestSync::failedDetachedUpdateLoadsNothing()
{
    const QString outside = _dir->filePath("budget.txt");
    QVERIFY(writeFile(outside, dataFile({"Fuel"})));
    expectAlert("SVN update returned status 1!\nFile NOT loaded.");
    startProgram(true, outside);
    QTRY_VERIFY_WITH_TIMEOUT(cwSheetAnswerer::instance().allAnswered(), 30000);
    QTRY_VERIFY(_source->getMainWindow()->isEnabled());
    QCOMPARE(categories(), QStringList());
    QCOMPARE(_source->getFileName(), outside);

    expectAlert("File operations not allowed due to SVN sync failure!\n");
    _source->menuSave();
    QVERIFY(cwSheetAnswerer::instance().allAnswered());
}

void TestSync::failedCommitIsReported_data()
{
    QTest::addColumn<bool>("clientGone");
    QTest::addColumn<int>("status");
    QTest::newRow("the repository refuses") << false << 1;
    QTest::newRow("the client cannot be started") << true << -1;
}

void TestSync::failedCommitIsReported()
{
    QFETCH(bool, clientGone);
    QFETCH(int, status);
    const QString hook = _repo + "/hooks/pre-commit";
    QVERIFY(writeFile(hook, "#!/bin/sh\necho 'commits are closed' >&2\nexit 1\n"));
    QVERIFY(QFile::setPermissions(hook, QFile::permissions(hook) | QFile::ExeOwner));
    startProgram(true, QString());
    openWithoutCurrentFile(_file);
    _source->createCategory("Car", "0");
    if (clientGone)
        setSvnClientPathForTesting(_dir->filePath("no-svn-here"));

    expectAlert(QString("SVN commit returned status %1!\nThe file was saved but not committed.\n").arg(status));
    _source->menuQuit();
    QVERIFY(cwSheetAnswerer::instance().allAnswered());
    QVERIFY(readFile(_file).contains("\r\nCar\r\n"));
    QCOMPARE(youngestRevision(), 2);
}

void TestSync::missingClientCountsAsFailedUpdate_data()
{
    QTest::addColumn<bool>("detach");
    QTest::newRow("waited for: the file is loaded") << false;
    QTest::newRow("detached: nothing is loaded") << true;
}

void TestSync::missingClientCountsAsFailedUpdate()
{
    QFETCH(bool, detach);
    const QString missing = _dir->filePath("no-svn-here");
    setSvnClientPathForTesting(missing);
    const QString alert = "Subversion client " + missing + " could not be started.\n";
    if (detach) {
        expectAlert(alert);
        startProgram(true, _file);
        QCOMPARE(categories(), QStringList());
    } else {
        startProgram(true, QString());
        cwSheetAnswerer::instance().expectFile(
            "! WARNING !\n\nUnsaved Changes Exist!\nSelect file to save as or CANCEL to discard.", QString());
        expectAlert(alert);
        _source->openFile(_file);
        QCOMPARE(categories(), QStringList{"Food"});
    }
    QVERIFY(_source->getMainWindow()->isEnabled());
    expectAlert("File operations not allowed due to SVN sync failure!\n");
    _source->menuSave();
    QVERIFY(cwSheetAnswerer::instance().allAnswered());
}

void TestSync::syncOffRunsNoClient()
{
    // Any start of the client would fail and say so.
    setSvnClientPathForTesting(_dir->filePath("no-svn-here"));
    startProgram(false, _file);
    QCOMPARE(categories(), QStringList{"Food"});
    _source->createCategory("Car", "0");
    _source->menuQuit();
    QVERIFY(readFile(_file).contains("\r\nCar\r\n"));
    QCOMPARE(youngestRevision(), 2);
    QCOMPARE(_progressSeen, QStringList());
}

CW_TEST_MAIN(TestSync)
#include "TestSync.moc"
