#pragma once

#include <QApplication>
#include <QTimer>

// Runs the action on the next modal dialog of that kind once it shows, from inside its
// modal loop; for the platform's own dialogs (print, preview) that no sheet helper knows.
template <typename Dialog, typename Action>
void whenShown(Action action)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, action] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        poll->stop();
        poll->deleteLater();
        action(dialog);
    });
    poll->start(20);
}
