#include "tools/cli/RenderCommand.h"

#include "library/BookFile.h"
#include "tools/cli/BookOutput.h"
#include "tools/cli/StandardOutput.h"
#include "ui/TwError.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <cstdio>

namespace {

int fail(const QString& message) {
    std::fprintf(stderr, "%s\n", qUtf8Printable(message));
    return 2;
}

} // namespace

int runRenderCommand(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "cli", "Prints saved spellbooks (.twbook files), edits included, in the formats "
               "of generate."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("BOOK"),
                                 QCoreApplication::translate("cli", "Book files, in order."),
                                 QStringLiteral("BOOK..."));
    parser.addOptions({
        {QStringLiteral("format"),
         QCoreApplication::translate("cli", "text (default), csv, json, markdown or pdf."),
         QStringLiteral("FORMAT")},
        {QStringLiteral("output"),
         QCoreApplication::translate("cli", "Write to this file (pdf needs it)."),
         QStringLiteral("PATH")},
    });
    parser.addOptions(BookOutput::pdfOptions());
    if (!parser.parse(QStringList{QStringLiteral("tomewright-cli render")} + arguments))
        return fail(parser.errorText());
    if (parser.isSet(QStringLiteral("help"))) {
        QString help = parser.helpText();
        help.replace(
            0, help.indexOf(QLatin1Char('\n')),
            QCoreApplication::translate("cli", "Usage: tomewright-cli render [options] BOOK..."));
        StandardOutput::print(help);
        return 0;
    }
    const QString format = parser.value(QStringLiteral("format")).isEmpty()
                               ? BookOutput::formats().first()
                               : parser.value(QStringLiteral("format")).trimmed().toLower();
    if (!BookOutput::formats().contains(format))
        return fail(QCoreApplication::translate("cli", "Unknown format \"%1\". Valid: \"%2\".")
                        .arg(parser.value(QStringLiteral("format")),
                             BookOutput::formats().join(QStringLiteral("\", \""))));
    const QString output = parser.value(QStringLiteral("output"));
    if (format == QLatin1String("pdf") && output.isEmpty())
        return fail(QCoreApplication::translate("cli", "--format pdf needs --output."));
    const std::optional<QPageSize> paper =
        BookOutput::paperFor(parser.value(QStringLiteral("paper")));
    if (!paper)
        return fail(
            QCoreApplication::translate("cli", "Unknown paper \"%1\". Valid: \"a4\", \"letter\".")
                .arg(parser.value(QStringLiteral("paper"))));
    if (parser.positionalArguments().isEmpty())
        return fail(QCoreApplication::translate("cli", "Name at least one book file to render."));

    const QString templatePath = parser.isSet(QStringLiteral("template"))
                                     ? parser.value(QStringLiteral("template"))
                                     : QDir(QCoreApplication::applicationDirPath())
                                           .filePath(QStringLiteral("filteredspellbook.rpt"));
    const QString input = BookOutput::inputAt(
        output, parser.positionalArguments() +
                    (format == QLatin1String("pdf") ? QStringList{templatePath} : QStringList()));
    if (!input.isEmpty())
        return fail(BookOutput::outputIsInput(output, input));

    QList<GeneratedBook> books;
    try {
        for (const QString& path : parser.positionalArguments())
            books << BookFile::read(path).book;
    } catch (const TwError& error) {
        return fail(error.description().trimmed());
    }
    try {
        QStringList notes;
        const QByteArray bytes = BookOutput::render(books, format, templatePath, *paper, notes);
        for (const QString& note : notes)
            std::fprintf(
                stderr, "%s\n",
                qUtf8Printable(QCoreApplication::translate("cli", "warning: %1").arg(note)));
        return BookOutput::write(bytes, output);
    } catch (const TwError& error) {
        std::fprintf(stderr, "%s\n", qUtf8Printable(error.description().trimmed()));
        return 1;
    }
}
