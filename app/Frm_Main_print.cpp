// The main window's print requests: stage the book, run the report, and open the dialogs.
#include "app/Constants.h"
#include "app/Frm_Main.h"

#include "library/BookExport.h"
#include "ui/BusyCursor.h"
#include "ui/MessageBox.h"
#include "ui/SaveFileDialog.h"
#include "ui/TwError.h"
#include "ui_Frm_Main.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QSaveFile>
#include <QStandardPaths>
#include <QToolButton>

namespace {
const QString kFilterName = QStringLiteral("Tomewright Auto Generated Spellbook");
} // namespace

// Where a saved book is offered to go: the documents folder, or home when there is none.
QString Frm_Main::documentsFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

QString Frm_Main::casterName() const {
    return ui->txtName->text().trimmed();
}

bool Frm_Main::bookIsPrintable() {
    if (ui->LV_Spells->topLevelItemCount() > 0 && !casterName().isEmpty())
        return true;
    updatePrintEnabled();
    MessageBox::show(this, tr("Caster Name and at least one spell in the list is required."));
    return false;
}

void Frm_Main::Toolbar1_ButtonMenuClick(const QString& tag) {
    if (!bookIsPrintable())
        return;
    if (tag == kPrintKey)
        Crystal.destination = ReportJob::Destination::Printer;
    else if (tag == kPreviewKey || tag == kCardsKey)
        Crystal.destination = ReportJob::Destination::PreviewWindow;
    runSpellbookReport(tag == kCardsKey ? QStringLiteral("filteredspellbook-cards.rpt")
                                        : QStringLiteral("filteredspellbook.rpt"));
}

void Frm_Main::File_SavePdf_Click() {
    if (!bookIsPrintable())
        return;
    const QString folder = documentsFolder();
    const QString path = SaveFileDialog::choose(
        this, tr("Save Spellbook as PDF"),
        QDir(folder).filePath(casterName() + QStringLiteral(".pdf")), tr("PDF files (*.pdf)"));
    if (path.isEmpty())
        return;
    const ReportJob::Destination previous = Crystal.destination;
    Crystal.destination = ReportJob::Destination::PdfFile;
    Crystal.outputPath = path;
    runSpellbookReport();
    Crystal.destination = previous;
}

void Frm_Main::runSpellbookReport(const QString& templateName) {
    bool addedCaster = false;
    try {
        BusyCursor busy;
        if (!Constants::MyLibrary)
            throw TwError(-1, QStringLiteral("Print"), tr("The spell database is not open."));
        Constants::MyLibrary->SetCasterHold(casterName(), kFilterName);
        Constants::MyLibrary->InitializeSpellbook(spellRows(), casterName());
        addedCaster = Constants::MyLibrary->AddNewCaster(casterName());

        Crystal.windowTitle = tr("Previewing Spellbook %1").arg(casterName());
        Crystal.templatePath = QDir(m_programFolder).filePath(templateName);
        Crystal.databasePath = m_databasePath;
        Crystal.database = &Constants::MyLibrary->database();
        Crystal.password = QLatin1Char('\n') + Database::passwordFrom(TW_Library::kConnectText);
        // The preview and the print dialog wait for the user: not with a busy pointer.
        busy.release();
        const QStringList notes = Crystal.run(this);
        // Text the fonts cannot show printed as boxes: say so where the user looks next.
        if (!notes.isEmpty())
            setStatusText(
                3, notes.size() == 1
                       ? notes.first()
                       //: The first of several notes, and how many more there are.
                       : tr("%1 (and %n more)", nullptr, int(notes.size() - 1)).arg(notes.first()));

        if (addedCaster && Constants::MyLibrary->DeleteNewCaster(casterName()))
            addedCaster = false;
    } catch (const TwError& error) {
        if (addedCaster && Constants::MyLibrary) {
            try {
                Constants::MyLibrary->DeleteNewCaster(casterName());
            } catch (const TwError&) {
                // The header row stays; the next print of this book finds and keeps it.
            }
        }
        MessageBox::show(this, error.description().trimmed());
    }
}

void Frm_Main::File_Export_Click() {
    if (!bookIsPrintable())
        return;
    const QString folder = documentsFolder();
    QString path = SaveFileDialog::choose(
        this, tr("Export Spellbook"), QDir(folder).filePath(casterName() + QStringLiteral(".csv")),
        tr("CSV (*.csv);;JSON (*.json);;Markdown (*.md)"));
    if (path.isEmpty())
        return;
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != QLatin1String("json") && suffix != QLatin1String("md") &&
        suffix != QLatin1String("csv"))
        path += QStringLiteral(".csv");

    const GeneratedBook book = currentBook();
    const QString chosen = QFileInfo(path).suffix().toLower();
    const QByteArray bytes = chosen == QLatin1String("json") ? BookExport::json({book})
                             : chosen == QLatin1String("md") ? BookExport::markdown({book})
                                                             : BookExport::csv({book});
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        MessageBox::show(this, tr("The spellbook cannot be exported to \"%1\": %2.")
                                   .arg(QFileInfo(path).absoluteFilePath(), file.errorString()));
}
