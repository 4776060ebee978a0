#pragma once

#include "cwRecords.h"

// The one ordering of register entries: -1, 0 or 1 for entries a and b under the key
// "day", "category", "amount", "desc" or "note" (any other key answers 0).
int cwEntryCompare(const cwRecord& a, const cwRecord& b, const QString& key);

// Sorts a list of entries in place with cwEntryCompare under the key; equal entries keep their order.
void cwSortEntries(QList<cwRecord>& entries, const QString& key);
