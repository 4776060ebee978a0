#include "cwModalWinController.h"

#include <QEvent>
#include <QEventLoop>
#include <QPropertyAnimation>
#include <QWidget>

cwModalWinController::cwModalWinController()
    : _window(new QWidget(nullptr, Qt::Tool))
{
    _window->setWindowModality(Qt::ApplicationModal);
    _window->installEventFilter(this);
}

cwModalWinController::~cwModalWinController()
{
    delete _window;
}

QWidget* cwModalWinController::window() const
{
    return _window;
}

QRect cwModalWinController::frameUnderTitleBar(const QRect& parentFrame, const QSize& windowSize,
                                               bool halfHeight)
{
    const int x = parentFrame.x() + parentFrame.width() / 2 - windowSize.width() / 2;
    const int height = halfHeight ? windowSize.height() / 2 : windowSize.height();
    return QRect(x, parentFrame.y(), windowSize.width(), height);
}

void cwModalWinController::showFromTitleBar(QWidget* parent, bool animate)
{
    _parentWindow = parent ? parent->window() : nullptr;
    const QRect parentFrame = _parentWindow ? _parentWindow->geometry() : QRect();
    const QSize size = _window->size();
    const QRect target = frameUnderTitleBar(parentFrame, size, false);
    if (animate) {
        _window->setGeometry(frameUnderTitleBar(parentFrame, size, true));
        makeKeyAndOrderFront();
        // The window grows down to its full height before the call returns.
        QPropertyAnimation grow(_window, "geometry");
        grow.setDuration(200);
        grow.setEndValue(target);
        QEventLoop wait;
        connect(&grow, &QPropertyAnimation::finished, &wait, &QEventLoop::quit);
        grow.start();
        wait.exec(QEventLoop::ExcludeUserInputEvents);
    }
    _window->setGeometry(target);
    makeKeyAndOrderFront();
}

void cwModalWinController::closeWindow()
{
    _window->close();
}

void cwModalWinController::makeKeyAndOrderFront()
{
    _window->show();
    _window->raise();
    _window->activateWindow();
    _window->repaint();
}

void cwModalWinController::startModal()
{
    if (!_window->isVisible())
        _window->show();
    QEventLoop loop;
    _modalLoop = &loop;
    loop.exec(QEventLoop::DialogExec);
    _modalLoop = nullptr;
}

void cwModalWinController::makeKeyAndOrderFrontModal()
{
    makeKeyAndOrderFront();
    startModal();
}

void cwModalWinController::windowIsClosing()
{
}

bool cwModalWinController::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == _window && event->type() == QEvent::Close)
        windowWillClose();
    return QObject::eventFilter(watched, event);
}

void cwModalWinController::windowWillClose()
{
    if (_modalLoop)
        _modalLoop->exit();
    windowIsClosing();
}
