#include "dialogs/ImportSpellsDialog.h"

#include "library/catalogue/CsvFile.h"
#include "ui/Accessibility.h"
#include "ui/Database.h"
#include "ui/TwError.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

ImportSpellsDialog::ImportSpellsDialog(Database& database, const QString& path, QWidget* parent)
    : QDialog(parent), m_database(database), m_path(path) {
    setObjectName(QStringLiteral("dlgImportSpells"));
    setWindowTitle(tr("Import Spells"));
    buildControls();
    resize(820, 480);
}

void ImportSpellsDialog::buildControls() {
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    m_file = new QLineEdit(QDir::toNativeSeparators(m_path), this);
    m_file->setObjectName(QStringLiteral("txtImportFile"));
    m_file->setReadOnly(true);
    form->addRow(tr("File:"), m_file);
    m_encoding = new QComboBox(this);
    m_encoding->setObjectName(QStringLiteral("cboImportEncoding"));
    m_encoding->addItem(tr("UTF-8 (what \"CSV UTF-8\" saves)"), int(TextEncoding::Utf8));
    m_encoding->addItem(tr("Windows-1252 (older Windows programs)"),
                        int(TextEncoding::Windows1252));
    form->addRow(tr("&Encoding:"), m_encoding);
    m_replace = new QCheckBox(tr("&Replace spells of the same name"), this);
    m_replace->setObjectName(QStringLiteral("chkImportReplace"));
    m_replace->setToolTip(tr("A spell of the file whose name the catalogue already has (in any "
                             "letter case) takes the place of the stored one"));
    form->addRow(QString(), m_replace);
    layout->addLayout(form);

    m_preview = new QTableWidget(0, ColumnCount, this);
    m_preview->setObjectName(QStringLiteral("tblImportPreview"));
    m_preview->setAccessibleName(tr("What the import would do"));
    m_preview->setHorizontalHeaderLabels({tr("Line"), tr("Name"), tr("Outcome"), tr("Reason")});
    m_preview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_preview->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_preview->setTabKeyNavigation(false);
    m_preview->setWordWrap(true);
    m_preview->verticalHeader()->hide();
    // One line of text per row, as the catalogue's table; a refused row grows to its reason.
    m_preview->verticalHeader()->setDefaultSectionSize(m_preview->fontMetrics().height() + 6);
    // The reason takes the room left, wrapped over lines when it is long.
    m_preview->horizontalHeader()->setSectionResizeMode(Reason, QHeaderView::Stretch);
    layout->addWidget(m_preview, 1);

    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("lblImportSummary"));
    m_summary->setTextFormat(Qt::PlainText);
    m_summary->setWordWrap(true);
    m_summary->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    layout->addWidget(m_summary);

    auto* buttons = new QDialogButtonBox(this);
    m_checkAgain = buttons->addButton(tr("Check &Again"), QDialogButtonBox::ActionRole);
    m_checkAgain->setObjectName(QStringLiteral("cmdCheckAgain"));
    m_checkAgain->setToolTip(tr("Read the file again, after correcting it"));
    m_import = buttons->addButton(tr("&Import"), QDialogButtonBox::AcceptRole);
    m_import->setObjectName(QStringLiteral("cmdImport"));
    m_import->setEnabled(false);
    m_close = buttons->addButton(QDialogButtonBox::Close);
    layout->addWidget(buttons);

    connect(m_checkAgain, &QPushButton::clicked, this, [this] { check(); });
    connect(m_import, &QPushButton::clicked, this, [this] { runImport(); });
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    // A choice changes what the file says: it is checked again at once.
    connect(m_encoding, &QComboBox::currentIndexChanged, this, [this] { check(); });
    connect(m_replace, &QCheckBox::toggled, this, [this] { check(); });

    nameControlsFromLabels(this);
    m_file->setAccessibleName(tr("File"));
    for (QAbstractButton* button :
         {static_cast<QAbstractButton*>(m_replace), static_cast<QAbstractButton*>(m_checkAgain),
          static_cast<QAbstractButton*>(m_import), static_cast<QAbstractButton*>(m_close)})
        button->setAccessibleName(button->text().remove(QLatin1Char('&')));
}

QString ImportSpellsDialog::outcomeText(ImportRow::Outcome outcome) {
    switch (outcome) {
    case ImportRow::Outcome::Add:
        return tr("Would add");
    case ImportRow::Outcome::Replace:
        return tr("Would replace");
    case ImportRow::Outcome::Unchanged:
        return tr("Unchanged");
    case ImportRow::Outcome::Refused:
        break;
    }
    return tr("Refused");
}

QString ImportSpellsDialog::summaryText() const {
    return m_summary->text();
}

void ImportSpellsDialog::check() {
    m_import->setEnabled(false);
    const CsvBytes file = readCsvBytes(m_path);
    if (file.problem) {
        m_bytes.clear();
        showFileProblem(
            QStringLiteral("\"%1\" %2").arg(QDir::toNativeSeparators(m_path), file.problem->text));
        return;
    }
    m_bytes = file.bytes;
    ImportOptions options;
    options.dryRun = true;
    ImportResult result;
    QStringList errors;
    if (runWithProgress(options, tr("Checking the spells of the file..."), &result, &errors))
        showResult(result, errors);
    else
        m_preview->setRowCount(0); // rows of an earlier check would no longer be the file's
}

bool ImportSpellsDialog::runWithProgress(ImportOptions options, const QString& label,
                                         ImportResult* result, QStringList* errors) {
    options.replace = m_replace->isChecked();
    options.replaceOffered = ImportOptions::ReplaceOffered::CheckBox;
    options.encoding = TextEncoding(m_encoding->currentData().toInt());
    // The bar shows only when the work takes a while; it keeps every other window still (one
    // import at a time, and no book drawn from spells that may yet be taken back).
    QProgressDialog progress(this);
    progress.setObjectName(QStringLiteral("dlgImportProgress"));
    progress.setWindowTitle(windowTitle());
    progress.setLabelText(label);
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setMinimumDuration(500);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    progress.setRange(0, 1000);
    QElapsedTimer sinceEvents;
    options.progress = [&](qsizetype done, qsizetype total) {
        progress.setValue(total > 0 ? int(done * 1000 / total) : 0);
        // Until the bar shows, the windows are redrawn and timers run, but clicks and keys wait:
        // nothing may start a second import meanwhile.
        if (!progress.isVisible() && (!sinceEvents.isValid() || sinceEvents.elapsed() >= 50)) {
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            sinceEvents.start();
        }
        return !progress.wasCanceled();
    };
    setBusy(true);
    QString failure;
    try {
        *result = importSpells(m_database, m_bytes, QFileInfo(m_path).fileName(), options, errors);
    } catch (const TwError& error) {
        failure = error.description().trimmed();
    } catch (const std::exception& error) {
        failure = QString::fromUtf8(error.what()).trimmed();
    }
    setBusy(false);
    if (!failure.isEmpty()) {
        publishStatusText(m_summary, tr("Nothing was written: %1").arg(failure), true);
        return false;
    }
    if (result->cancelled) {
        publishStatusText(m_summary,
                          options.dryRun
                              ? tr("The check was cancelled; press Check Again to finish it.")
                              : tr("The import was cancelled; nothing was written."),
                          true);
        m_import->setEnabled(!options.dryRun);
        return false;
    }
    return true;
}

void ImportSpellsDialog::showResult(const ImportResult& result, const QStringList& errors) {
    if (result.rows.isEmpty() && !errors.isEmpty()) {
        showFileProblem(errors.join(QLatin1Char('\n')));
        return;
    }
    // Rows of an earlier check go first, with the heights their reasons gave them.
    m_preview->setRowCount(0);
    m_preview->setRowCount(int(result.rows.size()));
    int refused = 0;
    int add = 0;
    int replace = 0;
    int unchanged = 0;
    for (int r = 0; r < result.rows.size(); ++r) {
        const ImportRow& row = result.rows[r];
        auto* line = new QTableWidgetItem;
        line->setData(Qt::DisplayRole, row.line);
        line->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_preview->setItem(r, Line, line);
        m_preview->setItem(r, Name, new QTableWidgetItem(row.name));
        auto* outcome = new QTableWidgetItem(outcomeText(row.outcome));
        m_preview->setItem(r, Outcome, outcome);
        auto* reason = new QTableWidgetItem(row.reason);
        reason->setToolTip(row.reason);
        m_preview->setItem(r, Reason, reason);
        switch (row.outcome) {
        case ImportRow::Outcome::Add:
            ++add;
            break;
        case ImportRow::Outcome::Replace:
            ++replace;
            break;
        case ImportRow::Outcome::Unchanged:
            ++unchanged;
            break;
        case ImportRow::Outcome::Refused: {
            ++refused;
            QFont bold = outcome->font();
            bold.setBold(true);
            outcome->setFont(bold);
            break;
        }
        }
    }
    for (int column = Line; column < Reason; ++column)
        m_preview->resizeColumnToContents(column);
    // Only a refused row has a reason to wrap over lines; measuring every row of a file of a
    // hundred thousand spells would keep the window still for seconds.
    for (int r = 0; r < result.rows.size(); ++r) {
        if (result.rows[r].outcome == ImportRow::Outcome::Refused)
            m_preview->resizeRowToContents(r);
    }
    // The first refused row is where the user looks first.
    for (int r = 0; r < result.rows.size(); ++r) {
        if (result.rows[r].outcome == ImportRow::Outcome::Refused) {
            m_preview->selectRow(r);
            m_preview->scrollToItem(m_preview->item(r, Line));
            break;
        }
    }
    if (refused > 0) {
        // The import is all or nothing: it is not offered while any row would be left out.
        publishStatusText(m_summary,
                          tr("%n row(s) refused. Correct the file, then press Check Again: "
                             "nothing is imported while a row is refused.",
                             nullptr, refused),
                          true);
        m_import->setEnabled(false);
    } else if (add + replace == 0) {
        publishStatusText(m_summary,
                          tr("Nothing to import: the catalogue holds every spell of the file "
                             "as it is."),
                          false);
        m_import->setEnabled(false);
    } else {
        publishStatusText(m_summary,
                          tr("Ready to import: %1 to add, %2 to replace, %3 unchanged. Nothing "
                             "is written until you press Import.")
                              .arg(add)
                              .arg(replace)
                              .arg(unchanged),
                          false);
        m_import->setEnabled(true);
        m_import->setDefault(true);
    }
}

void ImportSpellsDialog::showFileProblem(const QString& text) {
    m_preview->setRowCount(0);
    m_import->setEnabled(false);
    publishStatusText(m_summary, tr("This file cannot be imported:\n%1").arg(text), true);
}

void ImportSpellsDialog::runImport() {
    if (m_bytes.isEmpty())
        return;
    ImportOptions options;
    ImportResult result;
    QStringList errors;
    if (!runWithProgress(options, tr("Importing the spells..."), &result, &errors))
        return;
    if (!errors.isEmpty()) {
        // The catalogue changed since the check (another program wrote to it): the rows say how.
        showResult(result, errors);
        return;
    }
    const qsizetype total = result.added.size() + result.replaced.size();
    //: %1 is a number of spells ("3 spells"), %2 a file, %3 and %4 numbers.
    emit imported(tr("Imported %1 from %2 (%3 added, %4 replaced).")
                      .arg(tr("%n spell(s)", nullptr, int(total)), QFileInfo(m_path).fileName(),
                           QString::number(result.added.size()),
                           QString::number(result.replaced.size())));
    accept();
}

void ImportSpellsDialog::setBusy(bool busy) {
    for (QWidget* control :
         std::initializer_list<QWidget*>{m_encoding, m_replace, m_checkAgain, m_close})
        control->setEnabled(!busy);
    // Import is offered again only by what the work found.
    if (busy)
        m_import->setEnabled(false);
}
