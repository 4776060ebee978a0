#include "MyDataSource.h"

#include "cwPrintInfo.h"
#include "cwPrintOperation.h"
#include "cwPrintTableView.h"

void MyDataSource::menuPrint()
{
    cwPrintInfo& printInfo = cwPrintInfo::sharedPrintInfo();
    std::unique_ptr<cwPrintTableView> view;
    if (_selectedTab == 0)
        view = cwPrintTableView::initWithBudgetView(this, &printInfo);
    else if (_selectedTab == 1)
        view = cwPrintTableView::initWithDataView(this, &printInfo);
    else
        return;
    cwPrintOperation(*view, printInfo).runOperation(_mainWindow);
}
