#pragma once

#include <QList>
#include <QPageSize>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class Database;
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
// The same from a database already open (opening one derives its key: tens of milliseconds).
ReportBook readStagedBook(const Database& database);

// Fills the template file with the book: HTML. A template that cannot be read or is not a
// valid template throws TwError naming the file. Besides the book's values (see the shipped
// templates), the spells are offered as cards in level order: "cardRows", each { cards } of
// three, a card being a spell with its "levelTitle", or { blank } to fill the last row.
QString renderHtml(const ReportBook& book, const QString& templatePath);

// The HTML as a document to print. It is laid out when it is printed, for the device. Images
// and style sheets come only from the folder of the template at templatePath and the program's
// (see TemplateDocument).
std::unique_ptr<QTextDocument> makeDocument(const QString& html,
                                            const QString& templatePath = QString());

// Prints a document on a paged device (a printer, the preview's printer, a PDF writer): pages
// cut so that no spell is split (see ReportPages), 2 cm margins, page numbers at the bottom
// right. Throws TwError when the device cannot be painted on. pageDrawn, when given, is told
// each page drawn (from 1) and how many there are.
void printDocument(QTextDocument& document, QPagedPaintDevice* device,
                   const std::function<void(qsizetype page, qsizetype pages)>& pageDrawn = {});

// The document as the bytes of a PDF file on the given paper. The same document gives the same
// bytes in every run of the program (but for the creation date the file records).
QByteArray pdfBytes(QTextDocument& document, const QString& title, const QPageSize& paper,
                    const std::function<void(qsizetype page, qsizetype pages)>& pageDrawn = {});

// What the installed fonts cannot show: one note for each spell (or the caster) with a character
// no font can draw, naming the spell and the characters. Empty when all can be drawn.
QStringList undrawableNotes(const ReportBook& book);

} // namespace SpellbookReport
