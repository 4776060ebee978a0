#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <functional>

class QDialog;

// Answers the program's sheets, alerts and file panels through their real buttons while the
// code under test waits in its nested event loop. A test queues what it expects, in order:
// each time a modal window shows, the next expectation is checked against its title and
// message and the named button is clicked (or, for a file panel, the path is typed and the
// panel confirmed; an empty path cancels it). A sheet nobody expected is recorded as a failure
// and dismissed at once, so the test fails instead of hanging.
class cwSheetAnswerer : public QObject
{
    Q_OBJECT

public:
    static cwSheetAnswerer& instance();

    // A null title or message is not checked. The inspector, when given, looks at the sheet
    // as the user sees it, just before the button is pressed.
    using Inspector = std::function<void(QDialog*)>;
    void expect(const QString& title, const QString& message, const QString& button,
                Inspector inspect = {});
    void expectFile(const QString& message, const QString& path);

    bool allAnswered() const;
    // Failures seen since the last call, with everything still expected counted as missing.
    QStringList takeFailures();
    // What the last answered sheet showed.
    QString lastTitle() const;
    QString lastMessage() const;

    static QString titleOf(QDialog* sheet);
    static QString messageOf(QDialog* sheet);

private:
    cwSheetAnswerer();
    void poll();
    QDialog* innermostSheet() const;
    void answer(QDialog* sheet);
    void dismiss(QDialog* sheet);

    struct Expectation {
        QString title;
        QString message;
        QString button;
        QString path;
        bool filePanel = false;
        Inspector inspect;
    };
    QList<Expectation> _expected;
    QStringList _failures;
    QString _lastTitle;
    QString _lastMessage;
    QTimer _timer;
    QPointer<QDialog> _answering;  // the sheet whose answer is on its way
};
