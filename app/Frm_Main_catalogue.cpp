// The main window's way into the catalogue window, and the request it shows the pool of.
#include "app/Constants.h"
#include "app/Frm_Main.h"

#include "dialogs/CatalogueWindow.h"
#include "library/CasterClasses.h"
#include "library/SchoolListText.h"
#include "ui/ComboBox.h"
#include "ui/DatabaseLocation.h"
#include "ui/MessageBox.h"
#include "ui/TwError.h"
#include "ui_Frm_Main.h"

void Frm_Main::Tools_Catalogue_Click(bool qualifying) {
    try {
        if (!Constants::MyLibrary)
            return;
        if (!m_catalogueWindow) {
            // Its own top-level window (no parent): the main window stays usable beside it, and
            // it is gone when closed.
            m_catalogueWindow = new CatalogueWindow(
                *Constants::MyLibrary, [this] { return poolRequest(); },
                installedDatabasePath(m_programFolder));
            m_catalogueWindow->setAttribute(Qt::WA_DeleteOnClose);
            m_catalogueWindow->setWindowIcon(windowIcon());
            connect(m_catalogueWindow, &CatalogueWindow::catalogueChanged, this,
                    &Frm_Main::Catalogue_Changed);
        }
        if (qualifying)
            m_catalogueWindow->showQualifying();
        m_catalogueWindow->show();
        m_catalogueWindow->raise();
        m_catalogueWindow->activateWindow();
    } catch (const std::exception& error) {
        MessageBox::show(this, QString::fromUtf8(error.what()).trimmed());
    }
}

void Frm_Main::Catalogue_Changed() {
    if (!Constants::MyLibrary)
        return;
    try {
        // The next Generate and re-roll draw from the catalogue as it is now.
        Constants::MyLibrary->forgetCatalogue();
        // The chooser lists every spell again, keeping what was typed or picked in it.
        const QString typed = ui->cboSpells->currentText();
        FillSpellList(Constants::MyLibrary->FetchAllSpells(),
                      Constants::MyLibrary->FetchSpellDescriptions());
        if (!typed.isEmpty()) {
            const int row = ui->cboSpells->findText(typed);
            if (row >= 0)
                ui->cboSpells->setCurrentIndex(row);
            else
                ui->cboSpells->setEditText(typed);
        }
    } catch (const TwError& error) {
        setStatusText(3, error.description().trimmed());
    } catch (const std::exception& error) {
        setStatusText(3, QString::fromUtf8(error.what()).trimmed());
    }
}

CatalogueWindow* Frm_Main::catalogueWindow() const {
    return m_catalogueWindow.data();
}

std::optional<PoolRequest> Frm_Main::poolRequest() const {
    PoolRequest request;
    QStringList excluded;
    for (int row = 0; row < ui->lstSchools->count(); ++row) {
        if (ui->lstSchools->item(row)->checkState() == Qt::Checked)
            excluded << ui->lstSchools->item(row)->text();
    }
    request.casterClass = ui->cboClass->currentText().trimmed();
    request.volume = pickedItemData(ui->cboVolume);
    // "Full (10-30 spells/ level)" is called "Full" beside its numbers.
    request.volumeName = ui->cboVolume->currentText().section(QStringLiteral(" ("), 0, 0);
    request.frequency = pickedItemData(ui->cboFrequency);
    request.casterLevel = pickedItemData(ui->cboLevel);
    if (request.casterClass.isEmpty() || request.volume == 0 || request.frequency == 0 ||
        excluded.size() == ui->lstSchools->count())
        return std::nullopt;
    request.excludeSchools = SchoolListText::build(excluded);
    if (request.casterClass != CasterClasses::kGeneralist) {
        QStringList included;
        for (const QString& school : m_coreSchools) {
            if (!excluded.contains(school))
                included << school;
        }
        if (included.isEmpty())
            return std::nullopt;
        request.includeCoreSchools = SchoolListText::build(included);
    }
    return request;
}
