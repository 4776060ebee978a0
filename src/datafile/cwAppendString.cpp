#include "cwAppendString.h"

void appendString(QByteArray& data, const QString& line)
{
    data.append(line.toUtf8());
    data.append("\r\n", 2);
}
