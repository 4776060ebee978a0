#include "cwPrefWindowCtrl.h"

#include <QButtonGroup>
#include <QDialog>

#include "cwUserDefaults.h"
#include "ui_PrefWindow.h"

namespace {
cwUserDefaults& defaults()
{
    return cwUserDefaults::standardUserDefaults();
}
}

cwPrefWindowCtrl::cwPrefWindowCtrl()
    : _ui(new Ui::PrefWindow)
{
    _ui->setupUi(_myCustomSheet);
    _syncDataCheckBox = _ui->_syncDataCheckBox;
    _svnRunScript = _ui->_svnRunScript;
    _sortDataCheckBox = _ui->_sortDataCheckBox;
    _viewSelection = _ui->_viewSelection;
    _carryOverEnvelopes = _ui->_carryOverEnvelopes;
    _viewSelection->setId(_ui->_standardView, 0);
    _viewSelection->setId(_ui->_envelopeView, 1);

    // Only the user's clicks write: filling the controls on opening sends no clicked signal.
    connect(_sortDataCheckBox, &QAbstractButton::clicked, this, &cwPrefWindowCtrl::sortData);
    connect(_syncDataCheckBox, &QAbstractButton::clicked, this, &cwPrefWindowCtrl::syncDataWithSVN);
    connect(_svnRunScript, &QAbstractButton::clicked, this, &cwPrefWindowCtrl::svnRunScript);
    connect(_ui->_standardView, &QAbstractButton::clicked, this, &cwPrefWindowCtrl::standardSelected);
    connect(_ui->_envelopeView, &QAbstractButton::clicked, this, &cwPrefWindowCtrl::envelopeSelected);
    connect(_carryOverEnvelopes, &QAbstractButton::clicked, this, &cwPrefWindowCtrl::envelopeCarryOverSelected);
    connect(_ui->_closeButton, &QAbstractButton::clicked, this, &cwPrefWindowCtrl::closePressed);
}

cwPrefWindowCtrl::~cwPrefWindowCtrl() = default;

void cwPrefWindowCtrl::openCustomModalSheet(QWidget* parent)
{
    _carryOverEnvelopes->setHidden(true);
    const bool syncData = defaults().boolForKey(QStringLiteral("SyncData"));
    _syncDataCheckBox->setChecked(syncData);
    _svnRunScript->setChecked(defaults().boolForKey(QStringLiteral("SVNRunScript")));
    _svnRunScript->setEnabled(syncData);
    _sortDataCheckBox->setChecked(defaults().boolForKey(QStringLiteral("SortData")));
    setEnvelopeMode(defaults().boolForKey(QStringLiteral("EnvelopeView")));
    _carryOverEnvelopes->setChecked(defaults().boolForKey(QStringLiteral("EnvelopeCarryOver")));
    openModalSheet(parent);
}

void cwPrefWindowCtrl::setEnvelopeMode(bool on)
{
    _viewSelection->button(on ? 1 : 0)->setChecked(true);
}

void cwPrefWindowCtrl::sortData()
{
    defaults().setBool(_sortDataCheckBox->isChecked(), QStringLiteral("SortData"));
}

void cwPrefWindowCtrl::syncDataWithSVN()
{
    const bool on = _syncDataCheckBox->isChecked();
    defaults().setBool(on, QStringLiteral("SyncData"));
    // The script box keeps its state; it is only out of reach while synchronisation is off.
    _svnRunScript->setEnabled(on);
}

void cwPrefWindowCtrl::svnRunScript()
{
    defaults().setBool(_svnRunScript->isChecked(), QStringLiteral("SVNRunScript"));
}

void cwPrefWindowCtrl::standardSelected()
{
    defaults().setBool(false, QStringLiteral("EnvelopeView"));
    setEnvelopeMode(false);
}

void cwPrefWindowCtrl::envelopeSelected()
{
    defaults().setBool(true, QStringLiteral("EnvelopeView"));
    setEnvelopeMode(true);
}

void cwPrefWindowCtrl::envelopeCarryOverSelected()
{
    defaults().setBool(_carryOverEnvelopes->isChecked(), QStringLiteral("EnvelopeCarryOver"));
}

void cwPrefWindowCtrl::closePressed()
{
    closeModalSheet();
}
