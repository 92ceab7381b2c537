#include "tools/cli/GenerateCommand.h"

#include "library/BookExport.h"
#include "library/BookFile.h"
#include "library/BookRequest.h"
#include "library/CasterClasses.h"
#include "library/GenerationForm.h"
#include "library/TW_Library.h"
#include "tools/cli/BookOutput.h"
#include "tools/cli/CommandDatabase.h"
#include "tools/cli/ProgressLine.h"
#include "tools/cli/StandardOutput.h"
#include "ui/TwError.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <cstdio>
#include <optional>

namespace {

const char* kExamples =
    "\nExamples:\n"
    "  tomewright-cli generate --name \"Vessa Thorn\" --level 9th --class ILLUSIONIST\n"
    "  tomewright-cli generate --name Cultist --level 5 --class NECROMANCER --count 20 \\\n"
    "      --volume low --format pdf --output cultists.pdf\n"
    "  tomewright-cli generate --name Orrin --level 14 --class mage --volume full \\\n"
    "      --exclude Fire --seed 1234 --format json\n"
    "  tomewright-cli generate --name Orrin --level 3 --volume custom --custom 1=4,2=3\n";

// A wrong option (exit status 2), or a refusal to go on (status 1), with a message.
struct UsageError {
    QString message;
    int status = 2;
};

void printError(const QString& text) {
    std::fprintf(stderr, "%s\n", qUtf8Printable(text));
}

// Collects what one generation writes to its form.
class BookCollector : public GenerationForm {
public:
    void setProgressMaximum(int) override {}
    void setProgressValue(int value) override { m_progress = value; }
    int progressValue() const override { return m_progress; }
    void setStatusText(int panel, const QString& text) override {
        if (panel == 3)
            note = text;
    }
    void appendSpellRow(const SpellRow& row) override { rows << row; }

    QList<SpellRow> rows;
    QString note;

private:
    int m_progress = 0;
};

// The one entry of choices equal to text in any letter case (or, with firstWord, equal to its
// first word); a UsageError listing the choices otherwise.
QString choose(const QString& what, const QString& text, const QStringList& choices,
               bool firstWord = false) {
    for (const QString& choice : choices) {
        if (choice.compare(text.trimmed(), Qt::CaseInsensitive) == 0)
            return choice;
        if (firstWord &&
            choice.section(QLatin1Char(' '), 0, 0).compare(text.trimmed(), Qt::CaseInsensitive) ==
                0)
            return choice;
    }
    throw UsageError{QStringLiteral("Unknown %1 \"%2\". Valid: \"%3\".")
                         .arg(what, text, choices.join(QStringLiteral("\", \"")))};
}

qint32 casterLevel(const QString& text) {
    for (int level = 1; level <= CasterClasses::kHighestCasterLevel; ++level) {
        if (text.trimmed() == QString::number(level) ||
            text.trimmed().compare(CasterClasses::levelText(level), Qt::CaseInsensitive) == 0)
            return level;
    }
    throw UsageError{
        QCoreApplication::translate("cli", "Unknown level \"%1\". Valid: 1 to 30, or 1st to 30th.")
            .arg(text)};
}

quint64 number(const QString& option, const QString& text, quint64 lowest, quint64 highest) {
    bool ok = false;
    const quint64 value = text.trimmed().toULongLong(&ok);
    if (!ok || value < lowest || value > highest)
        throw UsageError{QCoreApplication::translate(
                             "cli", "--%1 takes a whole number from %2 to %3, not \"%4\".")
                             .arg(option)
                             .arg(lowest)
                             .arg(highest)
                             .arg(text)};
    return value;
}

void applyCustomCounts(const QString& text, SharedSettings& settings) {
    for (const QString& part : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QStringList pair = part.split(QLatin1Char('='));
        if (pair.size() != 2)
            throw UsageError{
                QCoreApplication::translate("cli", "--custom takes LEVEL=COUNT pairs, not \"%1\".")
                    .arg(part)};
        const int level = int(number(QStringLiteral("custom"), pair[0], 1, 9));
        *settings.defaultField(level) = qint32(number(QStringLiteral("custom"), pair[1], 0, 1000));
    }
}

QStringList recordTexts(RecordSet set, const QString& column) {
    QStringList texts;
    for (; !set.eof(); set.moveNext())
        texts << set.text(column);
    return texts;
}

// Where each book file goes: one book to the file at output; several to a file each in the
// folder output, named after the book's caster ("Cultist 3.twbook").
QStringList bookFilePaths(const QStringList& casters, const QString& output) {
    QStringList paths;
    for (const QString& caster : casters)
        paths << (casters.size() == 1
                      ? output
                      : QDir(output).filePath(BookOutput::fileNameFor(caster, BookFile::kSuffix)));
    return paths;
}

// A book file may have been edited since it was made: without --force none is replaced, and
// the first that exists is named before any book is drawn.
void refuseExistingBookFiles(const QStringList& paths) {
    for (const QString& path : paths) {
        if (QFileInfo::exists(path) || QFileInfo(path).isSymLink())
            throw UsageError{QCoreApplication::translate(
                                 "cli",
                                 "\"%1\" already exists; no book was written. Add --force to "
                                 "replace it, edits and all, or choose another --output.")
                                 .arg(QDir::toNativeSeparators(path)),
                             1};
    }
}

int writeBookFiles(const QList<GeneratedBook>& books, const SharedSettings& settings,
                   const QString& output) {
    QStringList casters;
    for (const GeneratedBook& book : books)
        casters << book.caster;
    const QStringList paths = bookFilePaths(casters, output);
    if (books.size() > 1 && !QDir().mkpath(output)) {
        printError(
            QCoreApplication::translate("cli", "The folder \"%1\" cannot be made.").arg(output));
        return 1;
    }
    for (qsizetype i = 0; i < books.size(); ++i) {
        SpellbookDocument document;
        document.book = books[i];
        for (int level = 1; level <= 9; ++level)
            document.customCounts[level - 1] = settings.defaultFor(level);
        document.specialistPercent = settings.SpecialistPercentIndex * 10;
        BookFile::write(document, paths[i]);
    }
    return 0;
}

int generate(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "cli", "Draws spellbooks as the window does, from the same spell database.\n"
               "Schools are excluded as the window excludes them: the class's own "
               "exclusions and \"Wild\" (but for \"Wild Mage\"), then every --exclude."));
    parser.addHelpOption();
    parser.addOptions({
        {QStringLiteral("name"), QCoreApplication::translate("cli", "Caster name (required)."),
         QStringLiteral("NAME")},
        {QStringLiteral("level"),
         QCoreApplication::translate("cli",
                                     "Caster level, 1 to 30: \"12\" or \"12th\" (required)."),
         QStringLiteral("LEVEL")},
        {QStringLiteral("class"),
         QCoreApplication::translate("cli", "Class, any letter case: MAGE (default), ABJURER, "
                                            "\"Elementalist - Fire\", ..."),
         QStringLiteral("CLASS")},
        {QStringLiteral("volume"),
         QCoreApplication::translate(
             "cli", "Volume: sparse, low, average (default), high, full or custom, or the "
                    "window's full text."),
         QStringLiteral("VOLUME")},
        {QStringLiteral("frequency"),
         QCoreApplication::translate(
             "cli", "Rarest frequency allowed: Common, Uncommon, Rare, \"Very Rare\" "
                    "(default), Unique."),
         QStringLiteral("FREQUENCY")},
        {QStringLiteral("exclude"),
         QCoreApplication::translate("cli", "Also exclude this school (repeatable)."),
         QStringLiteral("SCHOOL")},
        {QStringLiteral("custom"),
         QCoreApplication::translate("cli",
                                     "Spells per level for the custom volume, e.g. 1=4,2=3."),
         QStringLiteral("LEVEL=COUNT,...")},
        {QStringLiteral("specialist-percent"),
         QCoreApplication::translate(
             "cli", "Share of a specialist's spells from the specialty: 0 to 100 in steps of "
                    "10 (default 50)."),
         QStringLiteral("PERCENT")},
        {QStringLiteral("seed"),
         QCoreApplication::translate(
             "cli", "Seed of the draw: the same seed, options and catalogue give the same "
                    "book. Drawn and reported when left out."),
         QStringLiteral("N")},
        {QStringLiteral("count"),
         QCoreApplication::translate(
             "cli", "Make N books, \"NAME 1\" .. \"NAME N\", book i with seed + i - 1."),
         QStringLiteral("N")},
        {QStringLiteral("format"),
         QCoreApplication::translate(
             "cli", "text (default), csv, json, markdown, pdf, or book: a book file the "
                    "window opens and render prints."),
         QStringLiteral("FORMAT")},
        {QStringLiteral("output"),
         QCoreApplication::translate(
             "cli", "Write to this file (pdf and book need it). With book and --count, a "
                    "folder that gets one file per book, named after the book."),
         QStringLiteral("PATH")},
        {QStringLiteral("force"),
         QCoreApplication::translate(
             "cli", "With book: replace book files that exist (they may hold edits).")},
        databaseOption(),
    });
    parser.addOptions(BookOutput::pdfOptions());
    if (!parser.parse(QStringList{QStringLiteral("tomewright-cli generate")} + arguments))
        throw UsageError{parser.errorText()};
    if (parser.isSet(QStringLiteral("help"))) {
        QString help = parser.helpText();
        help.replace(
            0, help.indexOf(QLatin1Char('\n')),
            QCoreApplication::translate("cli", "Usage: tomewright-cli generate [options]"));
        StandardOutput::print(help + QString::fromUtf8(kExamples));
        return 0;
    }
    if (!parser.positionalArguments().isEmpty())
        throw UsageError{QCoreApplication::translate("cli", "Unexpected argument \"%1\".")
                             .arg(parser.positionalArguments().first())};

    const QDir programFolder(QCoreApplication::applicationDirPath());
    const QString format = choose(QStringLiteral("format"),
                                  parser.value(QStringLiteral("format")).isEmpty()
                                      ? QStringLiteral("text")
                                      : parser.value(QStringLiteral("format")),
                                  BookOutput::formats() + QStringList{"book"});
    const QString output = parser.value(QStringLiteral("output"));
    if ((format == QLatin1String("pdf") || format == QLatin1String("book")) && output.isEmpty())
        throw UsageError{QStringLiteral("--format %1 needs --output.").arg(format)};
    const std::optional<QPageSize> paper =
        BookOutput::paperFor(parser.value(QStringLiteral("paper")));
    if (!paper)
        throw UsageError{
            QCoreApplication::translate("cli", "Unknown paper \"%1\". Valid: \"a4\", \"letter\".")
                .arg(parser.value(QStringLiteral("paper")))};

    SharedSettings settings;
    if (parser.isSet(QStringLiteral("custom")))
        applyCustomCounts(parser.value(QStringLiteral("custom")), settings);
    if (parser.isSet(QStringLiteral("specialist-percent"))) {
        const quint64 percent = number(QStringLiteral("specialist-percent"),
                                       parser.value(QStringLiteral("specialist-percent")), 0, 100);
        if (percent % 10 != 0)
            throw UsageError{
                QCoreApplication::translate("cli", "--specialist-percent goes in steps of 10.")};
        settings.SpecialistPercentIndex = qint32(percent / 10);
        settings.SpecialistPercent = QStringLiteral("%1%").arg(percent);
    }
    const int count =
        parser.isSet(QStringLiteral("count"))
            ? int(number(QStringLiteral("count"), parser.value(QStringLiteral("count")), 1, 100000))
            : 1;
    const bool seedGiven = parser.isSet(QStringLiteral("seed"));
    const quint64 seed = seedGiven
                             ? number(QStringLiteral("seed"), parser.value(QStringLiteral("seed")),
                                      0, std::numeric_limits<quint64>::max())
                             : RandomSource::freshSeed();

    const QString templatePath =
        parser.isSet(QStringLiteral("template"))
            ? parser.value(QStringLiteral("template"))
            : programFolder.filePath(QStringLiteral("filteredspellbook.rpt"));
    const QString database = commandDatabase(parser);
    const QString input = BookOutput::inputAt(output, format == QLatin1String("pdf")
                                                          ? QStringList{database, templatePath}
                                                          : QStringList{database});
    if (!input.isEmpty())
        throw UsageError{BookOutput::outputIsInput(output, input)};
    TW_Library library(database, settings);
    const QStringList schools =
        recordTexts(library.FetchSchoolList(), QStringLiteral("Sphere_Name"));
    RecordSet frequencyRows = library.FetchFrequencyList();
    QStringList frequencies;
    QList<qint32> frequencyIds;
    for (; !frequencyRows.eof(); frequencyRows.moveNext()) {
        frequencies << frequencyRows.text(QStringLiteral("Frequency"));
        frequencyIds << qint32(frequencyRows.value(QStringLiteral("FrequencyID")).toLongLong());
    }

    BookRequest request;
    request.casterName = parser.value(QStringLiteral("name"));
    if (parser.isSet(QStringLiteral("level")))
        request.casterLevel = casterLevel(parser.value(QStringLiteral("level")));
    request.casterClass =
        parser.isSet(QStringLiteral("class"))
            ? choose(QStringLiteral("class"), parser.value(QStringLiteral("class")),
                     CasterClasses::classNames())
            : CasterClasses::kGeneralist;
    const QString volume =
        parser.isSet(QStringLiteral("volume"))
            ? choose(QStringLiteral("volume"), parser.value(QStringLiteral("volume")),
                     CasterClasses::volumeNames(), true)
            : CasterClasses::volumeNames().at(2);
    request.volume = qint32(CasterClasses::volumeNames().indexOf(volume) + 1);
    // The custom counts belong to the custom volume alone: one without the other would draw an
    // empty book, or quietly ignore the counts given.
    const bool customVolume = volume == CasterClasses::volumeNames().last();
    if (customVolume && !parser.isSet(QStringLiteral("custom")))
        throw UsageError{QCoreApplication::translate(
            "cli", "--volume custom needs --custom with the spells per level, for "
                   "example --custom 1=4,2=3,3=2.")};
    if (!customVolume && parser.isSet(QStringLiteral("custom")))
        throw UsageError{QCoreApplication::translate(
                             "cli",
                             "--custom sets the spells per level of the custom volume only; add "
                             "--volume custom, or leave --custom out for the %1 volume.")
                             .arg(volume.section(QLatin1Char(' '), 0, 0).toLower())};
    const QString frequency = parser.isSet(QStringLiteral("frequency"))
                                  ? choose(QStringLiteral("frequency"),
                                           parser.value(QStringLiteral("frequency")), frequencies)
                                  : QStringLiteral("Very Rare");
    request.frequency =
        frequencies.contains(frequency) ? frequencyIds.at(frequencies.indexOf(frequency)) : 0;
    QStringList excluded = CasterClasses::exclusionsFor(request.casterClass, schools);
    for (const QString& school : parser.values(QStringLiteral("exclude"))) {
        const QString known = choose(QStringLiteral("school"), school, schools);
        if (!excluded.contains(known))
            excluded << known;
    }
    for (const QString& school : schools) { // in the order the schools are listed
        if (excluded.contains(school))
            request.excludedSchools << school;
    }
    request.schoolCount = schools.size();

    if (format == QLatin1String("book") && !parser.isSet(QStringLiteral("force"))) {
        QStringList casters;
        for (int i = 1; i <= count; ++i)
            casters << (count > 1 ? QStringLiteral("%1 %2").arg(request.casterName.trimmed()).arg(i)
                                  : request.casterName.trimmed());
        refuseExistingBookFiles(bookFilePaths(casters, output));
    }

    // A printed format is written book by book as each is drawn, so a batch never holds more
    // than one book's text; a PDF is laid out and book files are written from all the books at
    // the end. A file appears only when complete.
    const bool streamed = format != QLatin1String("pdf") && format != QLatin1String("book");
    QSaveFile file(output);
    const auto cannotWrite = [&] {
        // The standard output's reason is given when the program ends.
        if (!output.isEmpty())
            printError(QCoreApplication::translate("cli", "\"%1\" cannot be written: %2")
                           .arg(output, file.errorString()));
        return 1;
    };
    if (streamed && !output.isEmpty() && !file.open(QIODevice::WriteOnly))
        return cannotWrite();
    const auto write = [&](const QByteArray& bytes) {
        if (!output.isEmpty())
            return file.write(bytes) == bytes.size();
        return StandardOutput::write(bytes);
    };
    const BookExport::Format part = format == QLatin1String("csv")    ? BookExport::Format::Csv
                                    : format == QLatin1String("json") ? BookExport::Format::Json
                                    : format == QLatin1String("markdown")
                                        ? BookExport::Format::Markdown
                                        : BookExport::Format::Text;

    QList<GeneratedBook> books; // for a PDF or book files
    //: %1 and %2 are numbers of books.
    ProgressLine progress(QCoreApplication::translate("cli", "Drawing books: %1 of %2"));
    for (int i = 1; i <= count; ++i) {
        BookRequest one = request;
        if (count > 1)
            one.casterName = QStringLiteral("%1 %2").arg(request.casterName.trimmed()).arg(i);
        const BookParameters parameters = defineParameters(one, CasterClasses::coreSchools());
        const quint64 bookSeed = seed + quint64(i - 1);
        library.random().reseed(bookSeed);
        BookCollector collector;
        library.GenerateSpellbook(collector, parameters.pIncludeCoreSchools,
                                  parameters.pExcludeSchools, parameters.pCasterName,
                                  parameters.pCasterLevel, parameters.pCasterClass,
                                  parameters.pSpellbookVolume, parameters.pSpellbookFrequency);
        if (!collector.note.isEmpty()) {
            progress.clear();
            printError(QStringLiteral("%1: %2").arg(parameters.pCasterName, collector.note));
        }
        const GeneratedBook book{parameters.pCasterName,
                                 CasterClasses::levelText(one.casterLevel),
                                 one.casterClass,
                                 volume,
                                 frequency,
                                 true,
                                 bookSeed,
                                 request.excludedSchools,
                                 BookExport::limitedLevelsFromNote(collector.note),
                                 collector.rows};
        if (!streamed)
            books.append(book);
        else if (!write(BookExport::part(part, book, i - 1, count)))
            return cannotWrite();
        progress.show(i, count);
    }
    progress.clear();
    // Stays English in every language: scripts read the seed from this line.
    if (!seedGiven)
        printError(QStringLiteral("Seed: %1").arg(seed));

    if (format == QLatin1String("book"))
        return writeBookFiles(books, settings, output);
    if (format == QLatin1String("pdf")) {
        QStringList notes;
        const QByteArray bytes = BookOutput::render(books, format, templatePath, *paper, notes);
        for (const QString& note : notes)
            printError(QCoreApplication::translate("cli", "warning: %1").arg(note));
        return BookOutput::write(bytes, output);
    }
    if (output.isEmpty())
        return 0;
    if (!file.commit())
        return cannotWrite();
    return 0;
}

} // namespace

int runGenerateCommand(const QStringList& arguments) {
    try {
        return generate(arguments);
    } catch (const UsageError& error) {
        printError(error.message);
        return error.status;
    } catch (const RequestError& error) {
        printError(error.description());
        return 2;
    } catch (const TwError& error) {
        printError(error.description().trimmed());
        return 1;
    }
}
