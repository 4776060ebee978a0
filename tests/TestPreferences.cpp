#include <QAbstractButton>
#include <QButtonGroup>
#include <QDialog>
#include <QMainWindow>
#include <QSettings>
#include <QTimer>
#include <functional>

#include "MyDataSource.h"
#include "cwPrefWindowCtrl.h"
#include "cwUserDefaults.h"
#include "support/cwTestMain.h"

// The preferences sheet through its real controls: what it shows, what each click stores.
class TestPreferences : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void showsTheStoredOptions_data();
    void showsTheStoredOptions();
    void closingUntouchedWritesNothing();
    void everyClickStoresAtOnce_data();
    void everyClickStoresAtOnce();
    void syncBoxGatesTheScriptBoxWithoutClearingIt();
    void viewChoiceSelectsItsButton();

private:
    // Runs the steps inside the open sheet, then presses its Close button.
    void withSheetOpen(const std::function<void()>& steps);
    QAbstractButton* button(const char* name) const;
    static QSettings stored();
    static cwUserDefaults& defaults() { return cwUserDefaults::standardUserDefaults(); }

    QMainWindow _parent;
    cwPrefWindowCtrl* _prefs = nullptr;
};

QSettings TestPreferences::stored()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, "Coinwick", "Coinwick");
}

void TestPreferences::initTestCase()
{
    MyDataSource::initialize();
    _parent.resize(800, 600);
    _parent.show();
    _prefs = new cwPrefWindowCtrl;
}

void TestPreferences::cleanupTestCase()
{
    delete _prefs;  // before the window it was shown on
}

void TestPreferences::init()
{
    QSettings settings = stored();
    settings.clear();
    settings.sync();
}

QAbstractButton* TestPreferences::button(const char* name) const
{
    return _prefs->sheetWindow()->findChild<QAbstractButton*>(name);
}

void TestPreferences::withSheetOpen(const std::function<void()>& steps)
{
    bool ran = false;
    QTimer::singleShot(0, this, [&] {
        ran = true;
        if (_prefs->isSheetOpen() && _prefs->sheetWindow()->isVisible())
            steps();
        else
            QTest::qFail("the preferences sheet is not open", __FILE__, __LINE__);
        button("_closeButton")->click();
    });
    _prefs->openCustomModalSheet(&_parent);
    QVERIFY(ran);
    QVERIFY(!_prefs->sheetWindow()->isVisible());
}

void TestPreferences::showsTheStoredOptions_data()
{
    QTest::addColumn<bool>("syncData");
    QTest::addColumn<bool>("runScript");
    QTest::addColumn<bool>("sortData");
    QTest::addColumn<bool>("envelope");
    QTest::addColumn<bool>("carryOver");
    QTest::newRow("all off") << false << false << false << false << false;
    QTest::newRow("all on") << true << true << true << true << true;
    QTest::newRow("script on, sync off") << false << true << true << false << false;
    QTest::newRow("sync on, script off") << true << false << false << true << true;
}

void TestPreferences::showsTheStoredOptions()
{
    QFETCH(bool, syncData);
    QFETCH(bool, runScript);
    QFETCH(bool, sortData);
    QFETCH(bool, envelope);
    QFETCH(bool, carryOver);
    defaults().setBool(syncData, "SyncData");
    defaults().setBool(runScript, "SVNRunScript");
    defaults().setBool(sortData, "SortData");
    defaults().setBool(envelope, "EnvelopeView");
    defaults().setBool(carryOver, "EnvelopeCarryOver");

    withSheetOpen([&] {
        QCOMPARE(_prefs->_syncDataCheckBox->isChecked(), syncData);
        QCOMPARE(_prefs->_svnRunScript->isChecked(), runScript);
        QCOMPARE(_prefs->_svnRunScript->isEnabled(), syncData);
        QCOMPARE(_prefs->_sortDataCheckBox->isChecked(), sortData);
        QCOMPARE(_prefs->_viewSelection->checkedId(), envelope ? 1 : 0);
        QCOMPARE(_prefs->_carryOverEnvelopes->isChecked(), carryOver);
        QVERIFY(!_prefs->_carryOverEnvelopes->isVisible());
    });
}

void TestPreferences::closingUntouchedWritesNothing()
{
    withSheetOpen([] {});
    QCOMPARE(stored().allKeys(), QStringList());
    // The registered defaults showed: sorting on, everything else off.
    QVERIFY(defaults().boolForKey("SortData"));
    QVERIFY(!defaults().boolForKey("SyncData"));
}

void TestPreferences::everyClickStoresAtOnce_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("before");
    QTest::addColumn<bool>("after");
    QTest::newRow("sort off") << "_sortDataCheckBox" << "SortData" << true << false;
    QTest::newRow("sort on") << "_sortDataCheckBox" << "SortData" << false << true;
    QTest::newRow("sync on") << "_syncDataCheckBox" << "SyncData" << false << true;
    QTest::newRow("sync off") << "_syncDataCheckBox" << "SyncData" << true << false;
    QTest::newRow("envelope view") << "_envelopeView" << "EnvelopeView" << false << true;
    QTest::newRow("standard view") << "_standardView" << "EnvelopeView" << true << false;
}

void TestPreferences::everyClickStoresAtOnce()
{
    QFETCH(QString, control);
    QFETCH(QString, key);
    QFETCH(bool, before);
    QFETCH(bool, after);
    defaults().setBool(before, key);
    const QStringList keysBefore = stored().allKeys();

    withSheetOpen([&] {
        button(control.toLatin1())->click();
        // Stored while the sheet is still open, and nothing else with it.
        QCOMPARE(stored().value(key).toBool(), after);
        QCOMPARE(stored().allKeys(), keysBefore);
    });
    QCOMPARE(defaults().boolForKey(key), after);
}

void TestPreferences::syncBoxGatesTheScriptBoxWithoutClearingIt()
{
    defaults().setBool(true, "SyncData");
    defaults().setBool(true, "SVNRunScript");

    withSheetOpen([&] {
        QVERIFY(_prefs->_svnRunScript->isEnabled());
        _prefs->_syncDataCheckBox->click();
        QVERIFY(!_prefs->_svnRunScript->isEnabled());
        QVERIFY(_prefs->_svnRunScript->isChecked());
        _prefs->_svnRunScript->click();  // out of reach while synchronisation is off
        QVERIFY(_prefs->_svnRunScript->isChecked());
    });
    QVERIFY(!defaults().boolForKey("SyncData"));
    QVERIFY(defaults().boolForKey("SVNRunScript"));

    withSheetOpen([&] {
        QVERIFY(_prefs->_svnRunScript->isChecked());
        QVERIFY(!_prefs->_svnRunScript->isEnabled());
        _prefs->_syncDataCheckBox->click();
        QVERIFY(_prefs->_svnRunScript->isEnabled());
        QVERIFY(_prefs->_svnRunScript->isChecked());
        _prefs->_svnRunScript->click();
        QCOMPARE(stored().value("SVNRunScript").toBool(), false);
    });
    QVERIFY(defaults().boolForKey("SyncData"));
}

void TestPreferences::viewChoiceSelectsItsButton()
{
    withSheetOpen([&] {
        QCOMPARE(_prefs->_viewSelection->checkedId(), 0);
        button("_envelopeView")->click();
        QCOMPARE(_prefs->_viewSelection->checkedId(), 1);
        QVERIFY(!button("_standardView")->isChecked());
        // Selecting by mode writes nothing.
        _prefs->setEnvelopeMode(false);
        QCOMPARE(_prefs->_viewSelection->checkedId(), 0);
        QVERIFY(stored().value("EnvelopeView").toBool());
    });
}

CW_TEST_MAIN(TestPreferences)
#include "TestPreferences.moc"
