#include "library/catalogue/SpellFile.h"

#include "library/catalogue/CsvFile.h"

#include <QCoreApplication>

namespace {

// A header matches when its names are the expected ones, whatever their letter case.
bool sameHeader(const QStringList& found, const QStringList& expected) {
    if (found.size() != expected.size())
        return false;
    for (qsizetype i = 0; i < found.size(); ++i) {
        if (found[i].trimmed().compare(expected[i], Qt::CaseInsensitive) != 0)
            return false;
    }
    return true;
}

// Rows read between two reports of progress: often enough for a progress bar to move smoothly,
// seldom enough to cost nothing beside the reading.
constexpr qsizetype kRowsBetweenProgress = 256;

QString separatorName(char separator) {
    return separator == ';' ? QStringLiteral("semicolons") : QStringLiteral("tabs");
}

} // namespace

const QStringList& CatalogueFiles::spellHeader() {
    static const QStringList header = {"Name", "Level", "Frequency",  "Schools",
                                       "Book", "Page",  "Description"};
    return header;
}

SpellFile readSpellFile(const QByteArray& bytes, const QStringList& knownSchools,
                        const QStringList& knownFrequencies, TextEncoding encoding,
                        const RowProgress& progress) {
    SpellFile file;
    const CsvContent content = parseCsv(bytes, encoding);
    file.problems << content.errors;
    if (content.records.isEmpty()) {
        if (content.errors.isEmpty())
            file.problems << LineProblem{
                1, QCoreApplication::translate("catalogue", "the file is empty")};
        return file;
    }

    const QStringList& full = CatalogueFiles::spellHeader();
    const CsvRecord& header = content.records.first();
    const bool hasDescription = sameHeader(header.fields, full);
    if (!hasDescription && !sameHeader(header.fields, full.mid(0, full.size() - 1))) {
        file.problems << LineProblem{
            header.line,
            QCoreApplication::translate(
                "catalogue", "the header must be \"%1\" (Description may be left out), not \"%2\"")
                .arg(full.join(QLatin1Char(',')), printable(header.fields.join(QLatin1Char(','))))};
        return file;
    }
    if (content.records.size() == 1 && content.errors.isEmpty()) {
        file.problems << LineProblem{
            1, QCoreApplication::translate("catalogue", "the file has no spells, only a header")};
        return file;
    }
    const qsizetype columns = header.fields.size();
    file.rowsRead = true;

    TakenNames seen; // the names of the rows before, and their lines
    const qsizetype rows = content.records.size() - 1;
    for (qsizetype r = 1; r < content.records.size(); ++r) {
        if (progress && (r - 1) % kRowsBetweenProgress == 0 && !progress(r - 1, rows)) {
            file.cancelled = true;
            return file;
        }
        const CsvRecord& record = content.records[r];
        file.rowNames.insert(record.line, record.fields.value(0).trimmed());
        if (record.fields.size() != columns) {
            QString text =
                QCoreApplication::translate("catalogue", "%1 columns instead of %2")
                    .arg(QString::number(record.fields.size()), QString::number(columns));
            if (content.separator != ',')
                text += QCoreApplication::translate(
                            "catalogue", " (in a file separated by %1, a field that holds one, "
                                         "such as \"Fire;Evocation\", must be quoted)")
                            .arg(separatorName(content.separator));
            file.problems << LineProblem{record.line, text};
            continue;
        }
        CatalogueSpell spell;
        spell.line = record.line;
        spell.name = record.fields[0].trimmed();
        spell.level = record.fields[1].trimmed();
        spell.frequency = record.fields[2].trimmed();
        spell.book = record.fields[4].trimmed();
        spell.page = record.fields[5].trimmed();
        spell.hasDescription = hasDescription;
        if (hasDescription)
            spell.description = record.fields[6].trimmed();
        const QString schoolText = record.fields[3].trimmed();
        if (!schoolText.isEmpty()) {
            for (const QString& part : schoolText.split(QLatin1Char(';')))
                spell.schools << part.trimmed();
        }

        QStringList problems;
        for (const SpellProblem& problem : checkSpell(spell, knownSchools, knownFrequencies, seen))
            problems << problem.message;
        if (!spell.name.isEmpty())
            seen.add(spell.name, spell.line);
        if (!problems.isEmpty()) {
            file.problems << LineProblem{record.line, problems.join(QStringLiteral("; "))};
            continue;
        }
        file.spells << spell;
    }
    return file;
}

QList<CatalogueSpell> parseSpells(const QByteArray& bytes, const QString& fileName,
                                  const QStringList& knownSchools,
                                  const QStringList& knownFrequencies, QStringList* errors,
                                  TextEncoding encoding) {
    const SpellFile file = readSpellFile(bytes, knownSchools, knownFrequencies, encoding);
    *errors << describeProblems(fileName, file.problems);
    return file.spells;
}
