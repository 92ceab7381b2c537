// Times staging a 270-spell book and rendering it to PDF with the shipped template, on a copy of
// the shipped database, as the window's print request does both. Prints "name: value unit" lines.
// Run with QT_QPA_PLATFORM=offscreen where there is no display.
#include "library/TW_Library.h"
#include "ui/SpellbookReport.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextDocument>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}
} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const QDir programFolder(QCoreApplication::applicationDirPath());
    QTemporaryDir folder;
    const QString database = QDir(folder.path()).filePath(QStringLiteral("Spells.mdb"));
    if (!QFile::copy(programFolder.filePath(QStringLiteral("Spells.mdb")), database)) {
        std::fputs("Spells.mdb is not beside this program: build the project first.\n", stderr);
        return 1;
    }
    const QString templatePath = programFolder.filePath(QStringLiteral("filteredspellbook.rpt"));
    SharedSettings settings;
    TW_Library library(database, settings);
    QList<SpellRow> book;
    RecordSet spells = library.database().snapshot(
        QStringLiteral("SELECT Name, Lvl FROM Spells ORDER BY Lvl, Name LIMIT 270"));
    for (; !spells.eof(); spells.moveNext())
        book.append({spells.text(QStringLiteral("Name")), spells.text(QStringLiteral("Lvl")),
                     QString(), QString(), QString(), QString()});

    std::vector<double> staging;
    std::vector<double> rendering;
    // Where the rendering goes: reading and filling the template, building the document from
    // the HTML, and laying out, cutting into pages and writing the PDF.
    std::vector<double> filling;
    std::vector<double> building;
    std::vector<double> printing;
    int pages = 0;
    for (int run = 0; run < 7; ++run) {
        QElapsedTimer timer;
        timer.start();
        library.SetCasterHold(QStringLiteral("Bench Caster"),
                              QStringLiteral("Tomewright Auto Generated Spellbook"));
        library.InitializeSpellbook(book, QStringLiteral("Bench Caster"));
        const bool added = library.AddNewCaster(QStringLiteral("Bench Caster"));
        staging.push_back(double(timer.nsecsElapsed()) / 1e6);

        timer.restart();
        QElapsedTimer step;
        step.start();
        // Read through the open connection, as the window's print request does.
        const ReportBook staged = SpellbookReport::readStagedBook(library.database());
        const QString html = SpellbookReport::renderHtml(staged, templatePath);
        filling.push_back(double(step.nsecsElapsed()) / 1e6);
        step.restart();
        auto document = SpellbookReport::makeDocument(html, templatePath);
        building.push_back(double(step.nsecsElapsed()) / 1e6);
        step.restart();
        const QByteArray pdf =
            SpellbookReport::pdfBytes(*document, QStringLiteral("Bench"), QPageSize(QPageSize::A4));
        printing.push_back(double(step.nsecsElapsed()) / 1e6);
        rendering.push_back(double(timer.nsecsElapsed()) / 1e6);
        pages = int(pdf.count("/Type /Page\n") + pdf.count("/Type /Page "));
        if (added)
            library.DeleteNewCaster(QStringLiteral("Bench Caster"));
    }
    std::printf("stage_270_ms: %.1f ms\n", median(staging));
    std::printf("render_pdf_270_ms: %.1f ms\n", median(rendering));
    std::printf("stage_and_render_270_ms: %.1f ms\n", median(staging) + median(rendering));
    std::printf("  read_and_fill_template_ms: %.1f ms\n", median(filling));
    std::printf("  html_to_document_ms: %.1f ms\n", median(building));
    std::printf("  layout_pages_and_pdf_ms: %.1f ms\n", median(printing));
    std::printf("spells: %lld, pdf pages: about %d\n", qlonglong(book.size()), pages);

    // A description far longer than any page, at two lengths, of words and of one endless word:
    // the time should grow with the length, four times the text taking about four times as
    // long.
    for (const auto& [shape, word] :
         {std::pair{"words", "ember lantern quiet willow "}, std::pair{"one_word", "ember"}})
        for (const int length : {100'000, 400'000}) {
            ReportBook longBook;
            longBook.caster = QStringLiteral("Bench Caster");
            QString description;
            while (description.size() < length)
                description += QString::fromLatin1(word);
            description.truncate(length);
            longBook.spells.append({QStringLiteral("Long Spell"), QStringLiteral("1"),
                                    QStringLiteral("Common"), QStringLiteral("Fire"),
                                    QStringLiteral("Bench Book"), QStringLiteral("1"),
                                    description});
            QElapsedTimer timer;
            timer.start();
            auto document = SpellbookReport::makeDocument(
                SpellbookReport::renderHtml(longBook, templatePath), templatePath);
            const QByteArray pdf = SpellbookReport::pdfBytes(*document, QStringLiteral("Bench"),
                                                             QPageSize(QPageSize::A4));
            std::printf("long_description_%s_%dk_pdf_ms: %.1f ms (%lld bytes)\n", shape,
                        length / 1000, double(timer.nsecsElapsed()) / 1e6, qlonglong(pdf.size()));
        }
    return 0;
}
