#pragma once

#include <QByteArray>
#include <QString>

// Appends the line's UTF-8 bytes and then CR LF.
void appendString(QByteArray& data, const QString& line);
