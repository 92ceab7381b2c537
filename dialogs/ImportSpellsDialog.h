#pragma once

#include "library/catalogue/CatalogueEdit.h"

#include <QByteArray>
#include <QDialog>
#include <QString>
#include <QStringList>

class Database;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

// Spells from a CSV file into the catalogue: the file is checked first and what the import would
// do shown row by row (add, replace, unchanged, refused and why); only "Import" writes, all or
// nothing, and only when no row is refused.
class ImportSpellsDialog : public QDialog {
    Q_OBJECT

public:
    enum Column { Line, Name, Outcome, Reason, ColumnCount };

    ImportSpellsDialog(Database& database, const QString& path, QWidget* parent = nullptr);

    // Reads the file again and shows what an import would do.
    void check();

    QTableWidget* preview() const { return m_preview; }
    QString summaryText() const;
    static QString outcomeText(ImportRow::Outcome outcome);

signals:
    // The import is done and kept; summary says what it did.
    void imported(const QString& summary);

private:
    void buildControls();
    void runImport();
    // Runs the import as options say, with a progress bar for a large file; false when it
    // failed or was cancelled (the summary then says so).
    bool runWithProgress(ImportOptions options, const QString& label, ImportResult* result,
                         QStringList* errors);
    void showResult(const ImportResult& result, const QStringList& errors);
    void showFileProblem(const QString& text);
    void setBusy(bool busy);

    Database& m_database;
    QString m_path;
    QByteArray m_bytes; // the file as last checked: what "Import" imports

    QLineEdit* m_file = nullptr;
    QComboBox* m_encoding = nullptr;
    QCheckBox* m_replace = nullptr;
    QTableWidget* m_preview = nullptr;
    QLabel* m_summary = nullptr;
    QPushButton* m_checkAgain = nullptr;
    QPushButton* m_import = nullptr;
    QPushButton* m_close = nullptr;
};
