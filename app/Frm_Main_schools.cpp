// The main window's school exclusion: the class's schools, All / None, the core schools.
#include "app/Frm_Main.h"

#include "library/CasterClasses.h"
#include "ui/MessageBox.h"
#include "ui/UpdateLock.h"
#include "ui_Frm_Main.h"

namespace {
void setFirstMatchChecked(QListWidget* list, const QString& school, bool checked) {
    const QString wanted = school.trimmed();
    for (int row = 0; row < list->count(); ++row) {
        QListWidgetItem* item = list->item(row);
        if (item->text().trimmed() == wanted) {
            item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
            return;
        }
    }
}
} // namespace

void Frm_Main::CheckSchool(const QString& school) {
    setFirstMatchChecked(ui->lstSchools, school, true);
}

void Frm_Main::UncheckSchool(const QString& school) {
    setFirstMatchChecked(ui->lstSchools, school, false);
}

void Frm_Main::cboClass_Click() {
    // Adds the picked class's exclusions to what is already marked; None clears them.
    UpdateLock lock(ui->lstSchools);
    CheckSchool(CasterClasses::kWild);
    if (const CasterClasses::SchoolRule* rule = CasterClasses::schoolRuleFor(pickedClass())) {
        for (const QString& school : rule->excluded)
            CheckSchool(school);
        for (const QString& school : rule->kept)
            UncheckSchool(school);
    }
}

void Frm_Main::SelectAllSchools() {
    UpdateLock lock(ui->lstSchools);
    for (int row = ui->lstSchools->count() - 1; row >= 0; --row)
        ui->lstSchools->item(row)->setCheckState(Qt::Checked);
}

void Frm_Main::ClearAllSchools() {
    UpdateLock lock(ui->lstSchools);
    for (int row = ui->lstSchools->count() - 1; row >= 0; --row)
        ui->lstSchools->item(row)->setCheckState(Qt::Unchecked);
}

void Frm_Main::LoadCoreSchools() {
    m_coreSchools = CasterClasses::coreSchools();
}

void Frm_Main::Tools_Core_Click() {
    // The message lists the fixed core schools, one per line.
    // The schools are the catalogue's names, the same in every language.
    const QString text = tr("The following Schools are considered Core Schools:") +
                         QStringLiteral("\n\n") +
                         CasterClasses::coreSchools().join(QLatin1Char('\n'));
    MessageBox::show(this, text, tr("Core Schools"));
}
