#include <QAbstractButton>
#include <QDesktopServices>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QUrl>

#include "MyDataSource.h"
#include "cwBundle.h"
#include "cwUserDefaults.h"
#include "support/cwSheetAnswerer.h"
#include "support/cwTestMain.h"

// The application's own commands: preferences, about, help, the worksheet, the test notice,
// and the companion application started with the program.
class TestCommands : public QObject
{
    Q_OBJECT

public slots:
    void mailRequested(const QUrl& url) { _mailUrls << url; }

private slots:
    void init();
    void cleanup();

    void companionIsStartedWithoutArguments();
    void missingCompanionEndsStartUp_data();
    void missingCompanionEndsStartUp();
    void companionNeedsSynchronisation();
    void envelopeChoiceTakesEffectWhenPreferencesClose();
    void aboutSheetNamesVersionAndSupport();
    void helpShowsTheBundledPage();
    void worksheetOnlyCloses();
    void testNoticeOffersCancel();

private:
    // Builds the main window and runs start-up; answers whether start-up went on.
    bool startProgram();
    void makeCompanion(const QString& body);

    QTemporaryDir* _resources = nullptr;
    MyDataSource* _source = nullptr;
    QList<QUrl> _mailUrls;
};

void TestCommands::init()
{
    QSettings(QSettings::NativeFormat, QSettings::UserScope, "Coinwick", "Coinwick").clear();
    _resources = new QTemporaryDir;
    cwBundle::setResourcePathForTesting(_resources->path());
}

void TestCommands::cleanup()
{
    delete _source;
    _source = nullptr;
    delete _resources;
    _resources = nullptr;
    const QStringList failures = cwSheetAnswerer::instance().takeFailures();
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join('\n')));
}

bool TestCommands::startProgram()
{
    _source = new MyDataSource;
    cwUserDefaults::standardUserDefaults().setObject(_source->getVersion(), "CurrentVersion");
    return _source->loadMainWindow();
}

void TestCommands::makeCompanion(const QString& body)
{
    QDir(_resources->path()).mkpath("Fernhollow.app");
    const QString executable = _resources->filePath("Fernhollow.app/Fernhollow");
    QFile file(executable);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(("#!/bin/sh\n" + body + "\n").toUtf8());
    file.close();
    QVERIFY(file.setPermissions(file.permissions() | QFile::ExeOwner));
}

void TestCommands::companionIsStartedWithoutArguments()
{
    const QString marker = _resources->filePath("started");
    makeCompanion(QString("echo \"$#\" > '%1'").arg(marker));
    cwUserDefaults::standardUserDefaults().setBool(true, "SyncData");
    cwUserDefaults::standardUserDefaults().setBool(true, "SVNRunScript");

    cwSheetAnswerer::instance().expect("Continue", "Continue launching Coinwick", "OK");
    QVERIFY(startProgram());
    QVERIFY(cwSheetAnswerer::instance().allAnswered());
    // The companion writes how many arguments it was given, and runs on by itself.
    const auto written = [&marker] {
        QFile started(marker);
        return started.open(QIODevice::ReadOnly) ? started.readAll() : QByteArray();
    };
    QTRY_COMPARE(written(), QByteArray("0\n"));
}

void TestCommands::missingCompanionEndsStartUp_data()
{
    QTest::addColumn<QString>("companion");  // the executable's script, "" for none at all
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("runScriptAfter");
    QTest::newRow("no bundle, OK clears the option") << QString() << "OK" << false;
    QTest::newRow("no bundle, Cancel keeps it") << QString() << "Cancel" << true;
    QTest::newRow("bundle without its executable") << "-" << "OK" << false;
}

void TestCommands::missingCompanionEndsStartUp()
{
    QFETCH(QString, companion);
    QFETCH(QString, button);
    QFETCH(bool, runScriptAfter);
    if (companion == "-")
        QVERIFY(QDir(_resources->path()).mkpath("Fernhollow.app"));
    cwUserDefaults::standardUserDefaults().setBool(true, "SyncData");
    cwUserDefaults::standardUserDefaults().setBool(true, "SVNRunScript");

    cwSheetAnswerer::instance().expect(
        "Script NOT found", "Script <Fernhollow> not found in path.\nClick OK to clear RunScript option.\n", button);
    QVERIFY(!startProgram());
    QVERIFY(cwSheetAnswerer::instance().allAnswered());
    QCOMPARE(cwUserDefaults::standardUserDefaults().boolForKey("SVNRunScript"), runScriptAfter);
}

void TestCommands::companionNeedsSynchronisation()
{
    const QString marker = _resources->filePath("started");
    makeCompanion(QString("echo \"$#\" > '%1'").arg(marker));
    cwUserDefaults::standardUserDefaults().setBool(true, "SVNRunScript");
    QVERIFY(startProgram());  // an alert would fail the test
    QTest::qWait(300);
    QVERIFY(!QFile::exists(marker));
}

void TestCommands::envelopeChoiceTakesEffectWhenPreferencesClose()
{
    QVERIFY(startProgram());
    auto* fillEnvelope = _source->getMainWindow()->findChild<QAbstractButton*>("_fillEnvelope");
    QVERIFY(fillEnvelope);
    QVERIFY(!fillEnvelope->isEnabled());
    _source->createCategory("Food", "0");
    _source->getMonthlyBudget()["jan"] = "100";
    _source->getCatDataDictionary()["Food"]["jan"][0]["amount"] = "25";
    _source->updateView();
    QCOMPARE(_source->getCatArray()[0].value("jan"), QString("100"));

    const auto choose = [](const char* view) {
        return [view](QDialog* sheet) { sheet->findChild<QRadioButton*>(view)->click(); };
    };
    cwSheetAnswerer::instance().expect("Preferences", QString(), "Close", choose("_envelopeView"));
    _source->openPrefsPanel();
    QVERIFY(_source->isEnvelopeEnabled());
    QVERIFY(fillEnvelope->isEnabled());
    QCOMPARE(_source->getCatArray()[0].value("jan"), QString("25"));

    cwSheetAnswerer::instance().expect("Preferences", QString(), "Close", choose("_standardView"));
    _source->openPrefsPanel();
    QVERIFY(!_source->isEnvelopeEnabled());
    QVERIFY(!fillEnvelope->isEnabled());
    QCOMPARE(_source->getCatArray()[0].value("jan"), QString("100"));
}

void TestCommands::aboutSheetNamesVersionAndSupport()
{
    QVERIFY(startProgram());
    QDesktopServices::setUrlHandler("mailto", this, "mailRequested");
    QString shown;
    cwSheetAnswerer::instance().expect("About Window", QString(), "Close", [&shown](QDialog* sheet) {
        shown = cwSheetAnswerer::messageOf(sheet);
        for (QAbstractButton* button : sheet->findChildren<QAbstractButton*>()) {
            if (button->text().contains("mail", Qt::CaseInsensitive))
                button->click();
        }
        QVERIFY(sheet->isVisible());  // e-mail leaves the sheet open
    });
    _source->openAboutPanel();
    QDesktopServices::unsetUrlHandler("mailto");

    const QStringList lines = shown.split('\n');
    QCOMPARE(lines.first(), "Coinwick " + _source->getVersion());
    QVERIFY(lines.size() > 1);
    QCOMPARE(_mailUrls.size(), 1);
    QCOMPARE(_mailUrls.first().scheme(), QString("mailto"));
    QVERIFY(shown.contains(_mailUrls.first().path()));
}

void TestCommands::helpShowsTheBundledPage()
{
    QVERIFY(startProgram());
    _source->btnHelp();
    QTextBrowser* help = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* browser = qobject_cast<QTextBrowser*>(window); browser && browser->isVisible())
            help = browser;
    }
    QVERIFY(help);
    const QString text = help->toPlainText();
    for (const char* topic : {"The budget table", "The register", "Envelope mode", "The data file", "Synchronisation"})
        QVERIFY2(text.contains(topic), topic);
    QVERIFY(text.contains("Save and Save As never commit"));
}

void TestCommands::worksheetOnlyCloses()
{
    QVERIFY(startProgram());
    auto* opener = _source->getMainWindow()->findChild<QAbstractButton*>("_menuWSBudget");
    QVERIFY(opener);
    QVERIFY(!opener->isEnabled());
    QVERIFY(!opener->isVisible());

    QDialog* first = nullptr;
    const auto inspect = [&first](QDialog* sheet) {
        QCOMPARE(sheet->findChildren<QRadioButton*>().size(), 3);
        for (const char* month : {"_monthJan", "_monthJun", "_monthDec"})
            QVERIFY(sheet->findChild<QAbstractButton*>(month));
        sheet->findChild<QAbstractButton*>("_monthMar")->click();  // does nothing
        QVERIFY(sheet->isVisible());
        if (!first)
            first = sheet;
        QCOMPARE(sheet, first);
    };
    cwSheetAnswerer::instance().expect("Budget Worksheet", QString(), "Close", inspect);
    _source->menuWSBudget();
    cwSheetAnswerer::instance().expect("Budget Worksheet", QString(), "Close", inspect);
    _source->modalWorkSheet();
    QVERIFY(cwSheetAnswerer::instance().allAnswered());
}

void TestCommands::testNoticeOffersCancel()
{
    QVERIFY(startProgram());
    cwSheetAnswerer::instance().expect("WindowTitle", "Test to display\nNew line", "Cancel");
    _source->btnTest();
    QVERIFY(cwSheetAnswerer::instance().allAnswered());
}

CW_TEST_MAIN(TestCommands)
#include "TestCommands.moc"
