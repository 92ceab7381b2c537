#include "tools/cli/BookPdf.h"

#include "tools/cli/ProgressLine.h"
#include "ui/SpellbookReport.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QTextDocument>

namespace {

ReportBook reportBook(const GeneratedBook& book) {
    ReportBook report;
    report.caster = book.caster;
    report.filterName = QStringLiteral("Tomewright Auto Generated Spellbook");
    if (book.hasSeed)
        report.seed = QString::number(book.seed);
    for (const SpellRow& spell : book.spells)
        report.spells.append({spell.name, spell.level, spell.frequency, spell.schools, spell.book,
                              spell.page, spell.description});
    return report;
}

// The part of a filled template between <body> and </body> (the whole text when it has none).
QString bodyOf(const QString& html) {
    static const QRegularExpression body(QStringLiteral("<body[^>]*>(.*)</body>"),
                                         QRegularExpression::CaseInsensitiveOption |
                                             QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = body.match(html);
    return match.hasMatch() ? match.captured(1) : html;
}

} // namespace

QByteArray booksPdf(const QList<GeneratedBook>& books, const QString& templatePath,
                    const QPageSize& paper, QStringList& notes) {
    //: %1 and %2 are numbers of pages.
    ProgressLine progress(QCoreApplication::translate("cli", "Printing: page %1 of %2"));
    QString html;
    QString head;
    for (qsizetype i = 0; i < books.size(); ++i) {
        const ReportBook book = reportBook(books[i]);
        for (const QString& note : SpellbookReport::undrawableNotes(book))
            notes << (books.size() > 1 ? QStringLiteral("%1: %2").arg(book.caster, note) : note);
        const QString filled = SpellbookReport::renderHtml(book, templatePath);
        if (i == 0) {
            const qsizetype bodyStart =
                filled.indexOf(QStringLiteral("<body"), 0, Qt::CaseInsensitive);
            head = bodyStart < 0 ? QString() : filled.left(bodyStart);
        } else {
            html += QStringLiteral("<div style=\"page-break-before: always\"></div>");
        }
        html += bodyOf(filled);
    }
    const auto document = SpellbookReport::makeDocument(
        head + QStringLiteral("<body>") + html + QStringLiteral("</body></html>"), templatePath);
    QByteArray pdf = SpellbookReport::pdfBytes(
        *document, books.size() == 1 ? books.first().caster : QStringLiteral("Spellbooks"), paper,
        [&progress](qsizetype page, qsizetype pages) { progress.show(page, pages); });
    progress.clear();
    // The writer stamps the current time; a fixed date of the same length keeps the file's
    // offsets valid and makes the bytes depend on the books alone.
    static const QRegularExpression date(QStringLiteral("/CreationDate \\(D:[0-9]{14}"));
    QString latin = QString::fromLatin1(pdf);
    const QRegularExpressionMatch match = date.match(latin);
    if (match.hasMatch())
        pdf.replace(match.capturedStart(), match.capturedLength(),
                    QByteArrayLiteral("/CreationDate (D:20000101000000"));
    return pdf;
}
