#pragma once

#include <QObject>
#include <QRect>

class QEventLoop;
class QWidget;

// A free-standing window shown just under the title bar of a parent window, optionally with a
// drop-down animation, for work the user waits on. Subclasses build their form into window().
class cwModalWinController : public QObject
{
    Q_OBJECT

public:
    cwModalWinController();
    ~cwModalWinController() override;

    QWidget* window() const;

    // Where the window stands under the parent's title bar: centred, its top edge at the top of
    // the parent's content; with halfHeight the frame the animation starts from.
    static QRect frameUnderTitleBar(const QRect& parentFrame, const QSize& windowSize, bool halfHeight);

    void showFromTitleBar(QWidget* parent, bool animate);
    void closeWindow();
    void makeKeyAndOrderFront();
    void startModal();
    void makeKeyAndOrderFrontModal();

protected:
    // Called when the window closes, after the modal loop (if one runs) has been stopped.
    virtual void windowIsClosing();

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void windowWillClose();

    QWidget* _window;
    QWidget* _parentWindow = nullptr;
    QEventLoop* _modalLoop = nullptr;
};
