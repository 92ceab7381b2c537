#pragma once

#include <QList>
#include <QString>
#include <memory>

class QTextDocument;
class QPagedPaintDevice;

// A book as the report shows it: the caster, the filter name, and the spells with their
// details.
struct ReportSpell {
    QString name;
    QString level;
    QString frequency;
    QString schools;
    QString book;
    QString page;
    QString description;
};

struct ReportBook {
    QString caster;
    QString filterName;
    QString seed; // the draw's seed, when the book was drawn with one known
    QList<ReportSpell> spells;
};

namespace SpellbookReport {

// Reads the staged book (CasterHold's first row and the SpellbookFiltered rows, with each
// spell's details from the catalogue) from the database file. Throws TwError.
ReportBook readStagedBook(const QString& databasePath, const QString& password);

// Fills the template file with the book: HTML. A template that cannot be read or is not a
// valid template throws TwError naming the file.
QString renderHtml(const ReportBook& book, const QString& templatePath);

// The HTML laid out as a document for printing.
std::unique_ptr<QTextDocument> makeDocument(const QString& html);

// Prints a document on a paged device (a printer or a PDF writer), with page numbers.
void printDocument(QTextDocument& document, QPagedPaintDevice* device);

// The document as the bytes of a PDF file.
QByteArray pdfBytes(QTextDocument& document, const QString& title);

} // namespace SpellbookReport
