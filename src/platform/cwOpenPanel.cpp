#include "cwOpenPanel.h"

#include <QFileDialog>

cwOpenPanel::cwOpenPanel()
    : cwFilePanel(false)
{
}

void cwOpenPanel::setAllowsMultipleSelection(bool multiple)
{
    fileDialog()->setFileMode(multiple ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
}
