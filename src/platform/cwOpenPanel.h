#pragma once

#include "cwFilePanel.h"

// The panel that asks for an existing file to open.
class cwOpenPanel : public cwFilePanel
{
public:
    cwOpenPanel();

    void setAllowsMultipleSelection(bool multiple);
};
