#pragma once

#include <QScopedPointer>

#include "cwSheetCtrl.h"

class QAbstractButton;
class QButtonGroup;

namespace Ui {
class PrefWindow;
}

// The preferences sheet. It has no OK or Cancel: every click writes its option to the
// preferences store at once, and Close only ends the sheet.
class cwPrefWindowCtrl : public cwSheetCtrl
{
    Q_OBJECT

public:
    cwPrefWindowCtrl();  // its form is PrefWindow.ui
    ~cwPrefWindowCtrl() override;

    // Fills the controls from the stored options, then shows the sheet until it is closed.
    void openCustomModalSheet(QWidget* parent);
    void setEnvelopeMode(bool on);  // selects the view's button; writes nothing

    void sortData();
    void syncDataWithSVN();
    void svnRunScript();
    void standardSelected();
    void envelopeSelected();
    void envelopeCarryOverSelected();
    void closePressed();

    QAbstractButton* _syncDataCheckBox;
    QAbstractButton* _svnRunScript;
    QAbstractButton* _sortDataCheckBox;
    QButtonGroup* _viewSelection;  // button id 0 the standard view, 1 the envelope view
    QAbstractButton* _carryOverEnvelopes;

private:
    QScopedPointer<Ui::PrefWindow> _ui;
};
