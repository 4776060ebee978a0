#pragma once

#include <QString>

class cwCheckViewData;

// The open month of the register as text: a line of column titles, one line per entry with
// the texts of its columns (the check box as "X" or " "), all separated by TABs, then the
// month's budget total and remaining amount.
QString registerListing(cwCheckViewData& data);
