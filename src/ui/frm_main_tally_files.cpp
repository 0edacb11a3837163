// SPDX-License-Identifier: GPL-3.0-or-later
#include "frm_main.h"

#include "frm_load_tally.h"
#include "tally_file_commands.h"

#include <QLineEdit>

// The designed handlers of the tally file commands, which the commands' own object carries out.

void frmMain::mnuSaveCollection_Click()
{
    m_tallyFiles->save(WhichTally::Collection);
}

void frmMain::mnuSaveArmy_Click()
{
    m_tallyFiles->save(WhichTally::Army);
}

void frmMain::mnuLoadCollection_Click()
{
    frmLoadCollection picker(this);
    m_tallyFiles->pickAndLoad(picker, WhichTally::Collection);
}

void frmMain::mnuLoadArmy_Click()
{
    frmLoadArmy picker(this);
    m_tallyFiles->pickAndLoad(picker, WhichTally::Army);
}

void frmMain::LoadArmy()
{
    m_tallyFiles->load(WhichTally::Army, ui.txtArmyName->text());
}

void frmMain::LoadCollection()
{
    m_tallyFiles->load(WhichTally::Collection, ui.txtCollectionName->text());
}

void frmMain::mnuAddArmyCollection_Click()
{
    m_tallyFiles->addArmyToCollection();
}
