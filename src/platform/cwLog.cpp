#include "cwLog.h"

#include <syslog.h>

void cwLog(const QString& line)
{
    static const bool opened = [] {
        openlog("coinwick", LOG_PID, LOG_USER);
        return true;
    }();
    Q_UNUSED(opened);
    syslog(LOG_NOTICE, "%s", line.trimmed().toUtf8().constData());
}
