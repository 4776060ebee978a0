#pragma once

#include <QObject>

class QTextBrowser;

// The help window: the bundled help page in a browser window of its own, beside the main window.
class cwHelpWindow : public QObject
{
    Q_OBJECT

public:
    cwHelpWindow();
    ~cwHelpWindow() override;

    void showHelp();
    QTextBrowser* browser() const;

private:
    QTextBrowser* _browser;
};
