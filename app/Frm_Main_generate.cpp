// The main window's generation request: check the caster details, build the request and let
// the library draw the book.
#include "app/Constants.h"
#include "app/Frm_Main.h"

#include "library/BookRequest.h"
#include "ui/BusyCursor.h"
#include "ui/ComboBox.h"
#include "ui/TwError.h"
#include "ui/UpdateLock.h"
#include "ui_Frm_Main.h"

#include <QProgressBar>
#include <QToolButton>
#include <optional>

void Frm_Main::setFindControlsEnabled(bool enabled) {
    ui->lblFind->setEnabled(enabled);
    ui->lblSelect->setEnabled(enabled);
    ui->txtFind->setEnabled(enabled);
    ui->cboSpells->setEnabled(enabled);
    ui->cmdAdd->setEnabled(enabled);
}

void Frm_Main::EnableFindControls() {
    setFindControlsEnabled(true);
}

void Frm_Main::DisableFindControls() {
    setFindControlsEnabled(false);
}

void Frm_Main::ResetParameters() {
    m_parameters = BookParameters();
    m_excludedSchools.clear();
}

void Frm_Main::DefineParamterValues() {
    pbarSpells->setMinimum(0);
    setStatusText(2, tr("Building Parameter List..."));
    cboClass_Click();
    ui->lstSchools->update();

    BookRequest request;
    request.schoolCount = ui->lstSchools->count();
    for (int row = 0; row < ui->lstSchools->count(); ++row) {
        if (ui->lstSchools->item(row)->checkState() == Qt::Checked)
            request.excludedSchools << ui->lstSchools->item(row)->text();
    }
    request.casterName = ui->txtName->text();
    request.casterLevel = pickedItemData(ui->cboLevel);
    request.casterClass = pickedClass();
    request.volume = pickedItemData(ui->cboVolume);
    request.frequency = pickedItemData(ui->cboFrequency);
    m_excludedSchools = request.excludedSchools;
    try {
        m_parameters = defineParameters(request, m_coreSchools);
    } catch (const RequestError& error) {
        // The focus goes to the detail that failed its check.
        using Field = RequestError::Field;
        QWidget* focus = nullptr;
        switch (error.field()) {
        case Field::Name:
            focus = ui->txtName;
            break;
        case Field::Level:
            focus = ui->cboLevel;
            break;
        case Field::Class:
            focus = ui->cboClass;
            break;
        case Field::Volume:
            focus = ui->cboVolume;
            break;
        case Field::Frequency:
            focus = ui->cboFrequency;
            break;
        case Field::Schools:
        case Field::CoreSchools:
            break;
        }
        if (focus)
            focus->setFocus();
        throw;
    }
    pbarSpells->setValue(1);
}

void Frm_Main::Toolbar1_ButtonClick(const QString& key, const QString& tag) {
    // A new book replaces the one in the list: the user keeps a modified one first.
    if (tag.trimmed() == kGenerateKey && !maybeSaveChanges())
        return;
    BusyCursor busy;
    std::optional<UpdateLock> listLock;
    try {
        setStatusText(3, QString());
        EnableFindControls();
        if (tag.trimmed() == kGenerateKey) {
            listLock.emplace(ui->LV_Spells);
            ui->LV_Spells->clear();
            if (key.trimmed() == kGenerateKey) {
                DefineParamterValues();
                if (!Constants::MyLibrary)
                    throw TwError(-1, QStringLiteral("GenerateSpellbook"),
                                  tr("The spell database is not open."));
                // A fresh seed for every book, kept so the book can be made again.
                m_lastSeed = RandomSource::freshSeed();
                m_hasSeed = true;
                Constants::MyLibrary->random().reseed(m_lastSeed);
                const BookParameters& p = m_parameters;
                Constants::MyLibrary->GenerateSpellbook(
                    *this, p.pIncludeCoreSchools, p.pExcludeSchools, p.pCasterName, p.pCasterLevel,
                    p.pCasterClass, p.pSpellbookVolume, p.pSpellbookFrequency);
                // The new book is drawn under today's Options; a re-roll keeps to them.
                m_bookCustomCounts.clear();
                for (int level = 1; level <= 9; ++level)
                    m_bookCustomCounts << Constants::Settings.defaultFor(level);
                m_bookSpecialistPercent = Constants::Settings.SpecialistPercentIndex * 10;
            }
            // A new book, not yet saved anywhere.
            setBookPath(QString());
            setBookModified(ui->LV_Spells->topLevelItemCount() > 0);
            m_lastNote = statusText(3);
            showSeed();
            ResetParameters();
            setStatusText(2, QString());
            pbarSpells->setValue(0);
            ui->txtFind->setFocus();
            keepSorted();
            // A new book is read from its first row, wherever the last one was scrolled to.
            ui->LV_Spells->scrollToTop();
            listLock.reset();
        }
    } catch (const std::exception& caught) {
        const auto* error = dynamic_cast<const TwError*>(&caught);
        const QString message = error ? error->description() : QString::fromUtf8(caught.what());
        ResetParameters();
        DisableFindControls();
        setStatusText(2, QString());
        setStatusText(3, QString());
        pbarSpells->setValue(0);
        listLock.reset();
        setStatusText(3, message.trimmed());
        ui->LV_Spells->clear();
        // The user has saved or let go of the book before the request; nothing is left of it.
        setBookPath(QString());
        setBookModified(false);
    }
}

void Frm_Main::showSeed() {
    const QString tip =
        m_hasSeed ? tr("Drawn with seed %1: tomewright-cli generate --seed %1 with the same "
                       "details makes this book again.")
                        .arg(m_lastSeed)
                  : QString();
    for (int column = 0; column < ui->LV_Spells->columnCount(); ++column)
        ui->LV_Spells->headerItem()->setToolTip(column, tip);
    ui->SB_Spells->setToolTip(tip);
}
