#include <QDialog>
#include <QLabel>
#include <QPushButton>

#include "cwAboutWinCtrl.h"
#include "cwNotifyWinCtrl.h"
#include "support/cwSheetAnswerer.h"
#include "support/cwTestMain.h"

class TestSheets : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void noticeAnswers_data();
    void noticeAnswers();
    void noticeButtonsFollowTheCancelOffer();
    void noticeShowsEveryLine();
    void escapeAnswersAsTheSheetWould();
    void aboutSheetIsReused();

private:
    QWidget _window;
    cwNotifyWinCtrl _notice;
};

void TestSheets::initTestCase()
{
    _window.resize(800, 500);
    _window.show();
}

void TestSheets::cleanup()
{
    const QStringList failures = cwSheetAnswerer::instance().takeFailures();
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join('\n')));
}

void TestSheets::noticeAnswers_data()
{
    QTest::addColumn<bool>("withCancel");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("result");
    QTest::newRow("OK alone") << false << "OK" << 1;
    QTest::newRow("OK offered with Cancel") << true << "OK" << 1;
    QTest::newRow("Cancel") << true << "Cancel" << 0;
}

void TestSheets::noticeAnswers()
{
    QFETCH(bool, withCancel);
    QFETCH(QString, button);
    QFETCH(int, result);
    cwSheetAnswerer::instance().expect("WARNING", "Really?", button);
    QCOMPARE(_notice.modalCustomSheet(&_window, "WARNING", "Really?", withCancel), result);
}

void TestSheets::noticeButtonsFollowTheCancelOffer()
{
    auto* cancel = _notice.sheetWindow()->findChild<QPushButton*>("_cancelButton");
    const QList<bool> offers{false, true, false};
    for (bool withCancel : offers) {
        QPoint origin;
        bool cancelShown = false;
        cwSheetAnswerer::instance().expect("Title", "Text", "OK", [&](QDialog*) {
            origin = _notice.okButtonOrigin();
            cancelShown = cancel->isVisible();
        });
        _notice.modalCustomSheet(&_window, "Title", "Text", withCancel);
        QCOMPARE(origin, withCancel ? QPoint(160, 12) : QPoint(202, 12));
        QCOMPARE(cancelShown, withCancel);
    }
}

void TestSheets::noticeShowsEveryLine()
{
    const QString message = "Line one\nLine two\nLine three";
    auto* label = _notice.sheetWindow()->findChild<QLabel*>("_windowMessage");
    int height = 0;
    cwSheetAnswerer::instance().expect("Lines", message, "OK", [&](QDialog*) { height = label->height(); });
    _notice.modalCustomSheet(&_window, "Lines", message, false);
    QVERIFY(height >= 3 * label->fontMetrics().lineSpacing());
}

void TestSheets::escapeAnswersAsTheSheetWould()
{
    // Escape is the sheet's Cancel when it offers one, and its OK when it does not. Nobody
    // expects these sheets, so the answerer dismisses them the way Escape does.
    QCOMPARE(_notice.modalCustomSheet(&_window, "Esc", "Cancel me", true), 0);
    QCOMPARE(_notice.modalCustomSheet(&_window, "Esc", "Just a notice", false), 1);
    QCOMPARE(cwSheetAnswerer::instance().takeFailures().size(), 2);
}

void TestSheets::aboutSheetIsReused()
{
    cwAboutWinCtrl about;
    auto& answers = cwSheetAnswerer::instance();
    answers.expect("About Window", "Coinwick 1.0\nfirst", "Close");
    about.openCustomModalSheet(&_window, "About Window", "Coinwick 1.0\nfirst");
    QDialog* first = about.sheetWindow();
    answers.expect("About Window", "Coinwick 1.0\nsecond", "Close");
    about.openCustomModalSheet(&_window, "About Window", "Coinwick 1.0\nsecond");
    QCOMPARE(about.sheetWindow(), first);
}

CW_TEST_MAIN(TestSheets)
#include "TestSheets.moc"
