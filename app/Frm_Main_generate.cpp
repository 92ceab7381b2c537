// The main window's generation request: check the caster details, build the request and let
// the library draw the book.
#include "app/Constants.h"
#include "app/Frm_Main.h"

#include "library/CasterClasses.h"
#include "library/SchoolListText.h"
#include "ui/BusyCursor.h"
#include "ui/TwError.h"
#include "ui/UpdateLock.h"
#include "ui_Frm_Main.h"

#include <QProgressBar>
#include <QToolButton>
#include <optional>

namespace {
TwError failedCheck(const char* source, const QString& message) {
    return TwError(-1, QString::fromLatin1(source), message);
}

// The item data of the picked row, 0 when no row is picked.
qint32 pickedItemData(const QComboBox* combo) {
    const int row = combo->currentIndex();
    return row < 0 ? 0 : qint32(combo->itemData(row).toLongLong());
}
} // namespace

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
    pIncludeCoreSchools.clear();
    pExcludeSchools.clear();
    pCasterName.clear();
    pCasterLevel = 0;
    pCasterClass.clear();
    pSpellbookVolume = 0;
    pSpellbookFrequency = 0;
    m_excludedSchools.clear();
}

void Frm_Main::DefineParamterValues() {
    pbarSpells->setMinimum(0);
    setStatusText(2, QStringLiteral("Building Parameter List..."));
    cboClass_Click();
    ui->lstSchools->update();

    QStringList excluded;
    for (int row = 0; row < ui->lstSchools->count(); ++row) {
        if (ui->lstSchools->item(row)->checkState() == Qt::Checked)
            excluded << ui->lstSchools->item(row)->text();
    }
    if (excluded.size() == ui->lstSchools->count())
        throw failedCheck("DefineParamterValues",
                          QStringLiteral("You cannot request all Schools to be Excluded"));
    m_excludedSchools = excluded;
    pExcludeSchools = SchoolListText::build(excluded);

    const QString className = ui->cboClass->currentText().trimmed();
    if (className == CasterClasses::kGeneralist || className.isEmpty())
        pIncludeCoreSchools.clear();
    else
        CreateCoreSchoolsString();

    pCasterName = ui->txtName->text().trimmed();
    if (pCasterName.isEmpty()) {
        ui->txtName->setFocus();
        throw failedCheck("DefineParamterValues",
                          QStringLiteral("Caster Name is a required Field"));
    }
    pCasterLevel = pickedItemData(ui->cboLevel);
    if (pCasterLevel == 0) {
        ui->cboLevel->setFocus();
        throw failedCheck("DefineParamterValues",
                          QStringLiteral("Caster Level is a required Field"));
    }
    pCasterClass = className;
    if (pCasterClass.isEmpty()) {
        ui->cboClass->setFocus();
        throw failedCheck("DefineParamterValues",
                          QStringLiteral("Caster Class is a required Field"));
    }
    pSpellbookVolume = pickedItemData(ui->cboVolume);
    if (pSpellbookVolume == 0) {
        ui->cboVolume->setFocus();
        throw failedCheck("DefineParamterValues",
                          QStringLiteral("Spellbook Volume is a required Field"));
    }
    pSpellbookFrequency = pickedItemData(ui->cboFrequency);
    if (pSpellbookFrequency == 0) {
        ui->cboFrequency->setFocus();
        throw failedCheck("DefineParamterValues", QStringLiteral("Frequency is a required Field"));
    }
    pbarSpells->setValue(1);
}

void Frm_Main::CreateCoreSchoolsString() {
    QStringList included;
    for (const QString& school : m_coreSchools) {
        if (!m_excludedSchools.contains(school))
            included << school;
    }
    pIncludeCoreSchools = SchoolListText::build(included);
    if (pIncludeCoreSchools.trimmed().isEmpty())
        throw failedCheck("CreateCoreSchoolsString",
                          QStringLiteral("You must include at least one Core School for a "
                                         "Specialist"));
}

void Frm_Main::Toolbar1_ButtonClick(const QString& key, const QString& tag) {
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
                                  QStringLiteral("The spell database is not open."));
                Constants::MyLibrary->GenerateSpellbook(*this, pIncludeCoreSchools, pExcludeSchools,
                                                        pCasterName, pCasterLevel, pCasterClass,
                                                        pSpellbookVolume, pSpellbookFrequency);
            }
            ResetParameters();
            setStatusText(2, QString());
            pbarSpells->setValue(0);
            ui->txtFind->setFocus();
            listLock.reset();
            const bool printable =
                !ui->txtName->text().trimmed().isEmpty() && ui->LV_Spells->topLevelItemCount() > 0;
            m_printButton->setEnabled(printable);
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
    }
}
