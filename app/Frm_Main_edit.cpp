// The main window's spell list editing: add, find, remove, replace and sort.
#include "app/Constants.h"
#include "app/Frm_Main.h"

#include "ui/BusyCursor.h"
#include "ui/ComboBox.h"
#include "ui/TwError.h"
#include "ui/UpdateLock.h"
#include "ui_Frm_Main.h"

#include <QHeaderView>
#include <QMenu>

void Frm_Main::cmdAdd_Click() {
    setStatusText(3, QString());
    const QString name = ui->cboSpells->currentText().trimmed();
    if (name.isEmpty())
        return;
    for (int row = 0; row < ui->LV_Spells->topLevelItemCount(); ++row) {
        if (ui->LV_Spells->topLevelItem(row)->text(0).trimmed() == name) {
            setStatusText(3, tr("Spell already exists in List View"));
            return;
        }
    }
    BusyCursor busy;
    UpdateLock lock(ui->LV_Spells);
    try {
        if (!Constants::MyLibrary)
            throw TwError(-1, QStringLiteral("cmdAdd_Click"),
                          tr("The spell database is not open."));
        RecordSet details = Constants::MyLibrary->FetchSpellDetails(name);
        if (details.eof())
            return;
        details.moveLast();
        details.moveFirst();
        SpellRow row;
        row.name = details.text(QStringLiteral("Name")).trimmed();
        row.level = details.text(QStringLiteral("Lvl"));
        row.frequency = details.text(QStringLiteral("Frequency"));
        row.schools = details.text(QStringLiteral("Sphere"));
        row.book = details.text(QStringLiteral("Book"));
        row.page = details.text(QStringLiteral("Page"));
        if (details.columns().contains(QStringLiteral("Description"), Qt::CaseInsensitive))
            row.description = details.text(QStringLiteral("Description"));
        for (details.moveNext(); !details.eof(); details.moveNext())
            row.schools += QStringLiteral(", ") + details.text(QStringLiteral("Sphere"));
        appendSpellRow(row);
        keepSorted();
        // The new row is where the user looks next: selected, current and in view.
        const QList<QTreeWidgetItem*> added =
            ui->LV_Spells->findItems(row.name, Qt::MatchExactly, 0);
        if (!added.isEmpty()) {
            ui->LV_Spells->clearSelection();
            ui->LV_Spells->setCurrentItem(added.first());
            added.first()->setSelected(true);
            ui->LV_Spells->scrollToItem(added.first());
        }
    } catch (const TwError& error) {
        setStatusText(3, error.description().trimmed());
    }
}

void Frm_Main::LV_Spells_ColumnClick(int column) {
    // One toggle for all columns: the first click sorts descending, every further click on any
    // column flips the order.
    m_sortOrder = m_sortToggle ? Qt::AscendingOrder : Qt::DescendingOrder;
    m_sortToggle = !m_sortToggle;
    m_sortColumn = column;
    m_sorted = true;
    UpdateLock lock(ui->LV_Spells);
    keepSorted();
}

void Frm_Main::keepSorted() {
    if (!m_sorted)
        return;
    ui->LV_Spells->header()->setSortIndicatorShown(true);
    ui->LV_Spells->header()->setSortIndicator(m_sortColumn, m_sortOrder);
    ui->LV_Spells->sortItems(m_sortColumn, m_sortOrder);
}

void Frm_Main::LV_Spells_RightClick(const QPoint& position) {
    PopUp_Remove->setEnabled(ui->LV_Spells->topLevelItemCount() > 0);
    if (ui->LV_Spells->topLevelItemCount() == 0)
        PopUp_Replace->setEnabled(false);
    PopUp_Replace->setEnabled(!ui->cboSpells->currentText().isEmpty());
    const bool hasSpells = ui->LV_Spells->topLevelItemCount() > 0;
    PopUp_Pin->setEnabled(hasSpells);
    PopUp_RerollLevel->setEnabled(hasSpells);
    PopUp_RerollBook->setEnabled(hasSpells);
    Menu_PopUp->popup(ui->LV_Spells->viewport()->mapToGlobal(position));
}

void Frm_Main::PopUp_Remove_Click() {
    BusyCursor busy;
    UpdateLock lock(ui->LV_Spells);
    // Counting down keeps the positions still to be visited valid.
    for (int row = ui->LV_Spells->topLevelItemCount() - 1; row >= 0; --row) {
        if (ui->LV_Spells->topLevelItem(row)->isSelected()) {
            delete ui->LV_Spells->takeTopLevelItem(row);
            markEdited();
        }
    }
}

void Frm_Main::PopUp_Replace_Click() {
    PopUp_Remove_Click();
    cmdAdd_Click();
}

void Frm_Main::txtFind_Change() {
    const QString wanted = ui->txtFind->text().trimmed().toUpper();
    for (int row = 0; row < ui->cboSpells->count(); ++row) {
        const QString text = ui->cboSpells->itemText(row);
        if (text.left(wanted.size()).toUpper() == wanted) {
            ui->cboSpells->setCurrentIndex(row);
            return;
        }
    }
}

QList<SpellRow> Frm_Main::spellRows() const {
    QList<SpellRow> rows;
    for (int row = 0; row < ui->LV_Spells->topLevelItemCount(); ++row) {
        const QTreeWidgetItem* item = ui->LV_Spells->topLevelItem(row);
        rows.append({item->text(0), item->text(1), item->text(2), item->text(3), item->text(4),
                     item->text(5), item->data(0, Qt::UserRole).toString(),
                     item->data(0, kPinnedRole).toBool()});
    }
    return rows;
}
