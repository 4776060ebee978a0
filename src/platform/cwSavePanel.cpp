#include "cwSavePanel.h"

cwSavePanel::cwSavePanel()
    : cwFilePanel(true)
{
}
