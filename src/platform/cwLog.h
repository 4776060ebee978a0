#pragma once

#include <QString>

// Writes one diagnostic line to the system log; the user never sees these.
void cwLog(const QString& line);
