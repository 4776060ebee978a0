#pragma once

#include <QList>
#include <QMap>
#include <QString>

// Every value of the budget model is text, kept in plain string-keyed records.
using cwRecord = QMap<QString, QString>;           // a category row, a register entry, an envelope entry
using cwMonthList = QList<cwRecord>;               // element 0 the envelope entry, then register entries
using cwMonthMap = QMap<QString, cwMonthList>;     // month id -> month list
using cwCategoryData = QMap<QString, cwMonthMap>;  // category name -> month map
