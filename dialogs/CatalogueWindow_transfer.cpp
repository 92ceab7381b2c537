// The catalogue window's way in and out for files of spells: "Import Spells..." (checked and
// shown row by row before anything is written) and "Export", of every spell or of those shown.
#include "dialogs/CatalogueWindow.h"

#include "dialogs/ImportSpellsDialog.h"
#include "library/TW_Library.h"
#include "library/catalogue/Catalogue.h"
#include "library/catalogue/SpellFilterModel.h"
#include "library/catalogue/SpellTableModel.h"
#include "ui/Accessibility.h"
#include "ui/MessageBox.h"
#include "ui/OpenFileDialog.h"
#include "ui/SaveFileDialog.h"

#include <QBoxLayout>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSaveFile>

void CatalogueWindow::buildImportExportActions(QBoxLayout* row) {
    auto* importButton = new QPushButton(tr("&Import Spells..."), this);
    importButton->setObjectName(QStringLiteral("cmdImportSpells"));
    importButton->setToolTip(tr("Add spells from a CSV file with the columns of spells.csv"));
    connect(importButton, &QPushButton::clicked, this, [this] { importFromFile(); });

    auto* exportButton = new QPushButton(tr("E&xport"), this);
    exportButton->setObjectName(QStringLiteral("cmdExport"));
    exportButton->setToolTip(tr("Write spells to a CSV file with the columns of spells.csv"));
    auto* menu = new QMenu(exportButton);
    QAction* all = menu->addAction(tr("&All Spells..."));
    all->setObjectName(QStringLiteral("actExportAll"));
    connect(all, &QAction::triggered, this, [this] { exportSpells(false); });
    QAction* shown = menu->addAction(tr("Only the &Shown Spells..."));
    shown->setObjectName(QStringLiteral("actExportShown"));
    connect(shown, &QAction::triggered, this, [this] { exportSpells(true); });
    exportButton->setMenu(menu);

    for (QPushButton* button : {importButton, exportButton})
        button->setAccessibleName(button->text().remove(QLatin1Char('&')));
    row->addWidget(importButton);
    row->addWidget(exportButton);
}

void CatalogueWindow::importFromFile() {
    // The first time, where the program keeps its sample file, so a new user finds it at once.
    QString folder = m_transferFolder;
    if (folder.isEmpty()) {
        const QString samples =
            QFileInfo(m_installedPath).absoluteDir().filePath(QStringLiteral("samples"));
        folder =
            !m_installedPath.isEmpty() && QFileInfo(samples).isDir() ? samples : QDir::homePath();
    }
    const QString path = OpenFileDialog::choose(this, tr("Import Spells"), folder,
                                                tr("CSV files (*.csv);;All files (*)"));
    if (path.isEmpty())
        return;
    m_transferFolder = QFileInfo(path).absolutePath();
    auto* dialog = new ImportSpellsDialog(m_library.database(), path, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &ImportSpellsDialog::imported, this, [this](const QString& summary) {
        showChangedCatalogue(QString());
        publishStatusText(m_message, summary, false);
    });
    dialog->open();
    dialog->check();
}

void CatalogueWindow::exportSpells(bool shownOnly) {
    Catalogue catalogue;
    if (shownOnly) {
        for (int row = 0; row < m_filter->rowCount(); ++row)
            catalogue.spells << m_filter->spellAt(row).spell;
    } else {
        for (int row = 0; row < m_model->rowCount(); ++row)
            catalogue.spells << m_model->row(row).spell;
    }
    if (catalogue.spells.isEmpty()) {
        publishStatusText(m_message, tr("No spell is shown: there is nothing to export."), true);
        return;
    }
    const QString folder = m_transferFolder.isEmpty() ? QDir::homePath() : m_transferFolder;
    const QString path = SaveFileDialog::choose(
        this, shownOnly ? tr("Export the Shown Spells") : tr("Export All Spells"),
        QDir(folder).filePath(QStringLiteral("spells.csv")), tr("CSV files (*.csv)"));
    if (path.isEmpty())
        return;
    m_transferFolder = QFileInfo(path).absolutePath();
    // Written beside its place and moved there once complete: a failed write leaves an earlier
    // file of that name as it was.
    const QByteArray bytes = spellsCsv(catalogue);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        const QString text = tr("The spells were not exported: \"%1\" cannot be written (%2).")
                                 .arg(QDir::toNativeSeparators(path), file.errorString());
        publishStatusText(m_message, text, true);
        MessageBox::show(this, text);
        return;
    }
    //: %1 is a number of spells ("3 spells"), %2 a file.
    publishStatusText(m_message,
                      tr("Exported %1 to %2.")
                          .arg(tr("%n spell(s)", nullptr, int(catalogue.spells.size())),
                               QDir::toNativeSeparators(path)),
                      false);
}
