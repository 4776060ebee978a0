#include "MyDataSource.h"

#include <cstdio>
#include <utility>

// The headless form of the alert: the notice sheet on the main window answers alerts once a
// main window exists; until then (command-line modes, tests of the model) the message goes to
// standard error and the alert answers OK.
int MyDataSource::modalAlertMessage(const QString& message, const QString& title, bool withCancel, QWidget* window)
{
    Q_UNUSED(withCancel);
    Q_UNUSED(window);
    _headlessAlerts.append({title, message});
    QByteArray text = message.toUtf8();
    if (!text.endsWith('\n'))
        text.append('\n');
    std::fputs(text.constData(), stderr);
    std::fflush(stderr);
    return 1;
}

QList<MyDataSource::HeadlessAlert> MyDataSource::takeHeadlessAlerts()
{
    return std::exchange(_headlessAlerts, {});
}
