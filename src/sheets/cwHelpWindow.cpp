#include "cwHelpWindow.h"

#include <QTextBrowser>
#include <QUrl>

// The page is compiled into the static library; its resource must be registered by name.
static void registerHelpResource()
{
    Q_INIT_RESOURCE(help);
}

cwHelpWindow::cwHelpWindow()
    : _browser(new QTextBrowser)
{
    registerHelpResource();
    _browser->setWindowTitle(QStringLiteral("Coinwick Help"));
    _browser->setOpenExternalLinks(true);
    _browser->resize(640, 720);
    _browser->setSource(QUrl(QStringLiteral("qrc:/help/coinwick.html")));
}

cwHelpWindow::~cwHelpWindow()
{
    delete _browser;
}

void cwHelpWindow::showHelp()
{
    _browser->home();
    _browser->show();
    _browser->raise();
    _browser->activateWindow();
}

QTextBrowser* cwHelpWindow::browser() const
{
    return _browser;
}
