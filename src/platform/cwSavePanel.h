#pragma once

#include "cwFilePanel.h"

// The panel that asks for the name to save a file under.
class cwSavePanel : public cwFilePanel
{
public:
    cwSavePanel();
};
