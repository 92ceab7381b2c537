#include "tools/catalogue/SpellFile.h"

#include "library/SpellName.h"
#include "tools/catalogue/CsvFile.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>

namespace {

struct FirstName {
    QString name;
    int line = 0;
};

// The checks of one free-text field: no control character, no more than its limit.
void checkText(const QString& what, const QString& text, int limit, bool lineBreaksAllowed,
               QStringList* problems) {
    const QString problem = spellTextProblem(what, text, limit, lineBreaksAllowed);
    if (!problem.isEmpty())
        *problems << problem;
}

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
                        const QStringList& knownFrequencies, TextEncoding encoding) {
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

    const QSet<QString> schools(knownSchools.begin(), knownSchools.end());
    const QSet<QString> frequencies(knownFrequencies.begin(), knownFrequencies.end());
    static const QSet<QString> levels = {"1", "2", "3", "4", "5", "6", "7", "8", "9"};
    QHash<QString, FirstName> seen; // name key -> where that name first stood
    for (qsizetype r = 1; r < content.records.size(); ++r) {
        const CsvRecord& record = content.records[r];
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

        QStringList problems;
        const QString key = spellNameKey(spell.name);
        if (spell.name.isEmpty()) {
            problems << QCoreApplication::translate("catalogue", "empty name");
        } else {
            checkText(QStringLiteral("name"), spell.name, SpellLimits::kName, false, &problems);
            const auto first = seen.constFind(key);
            if (first != seen.cend() && first->name == spell.name)
                problems << QCoreApplication::translate("catalogue",
                                                        "duplicate name \"%1\" (first on line %2)")
                                .arg(printable(spell.name), QString::number(first->line));
            else if (first != seen.cend())
                problems << QCoreApplication::translate(
                                "catalogue", "\"%1\" differs from \"%2\" on line %3 only in letter "
                                             "case")
                                .arg(printable(spell.name), printable(first->name),
                                     QString::number(first->line));
        }
        if (!levels.contains(spell.level))
            problems << QCoreApplication::translate("catalogue", "level \"%1\" is not 1 to 9")
                            .arg(printable(spell.level));
        if (!frequencies.isEmpty() && !frequencies.contains(spell.frequency))
            problems << QCoreApplication::translate("catalogue", "unknown frequency \"%1\"")
                            .arg(printable(spell.frequency));
        const QString schoolText = record.fields[3].trimmed();
        if (schoolText.isEmpty()) {
            problems << QCoreApplication::translate("catalogue", "no school");
        } else {
            for (const QString& part : schoolText.split(QLatin1Char(';'))) {
                const QString school = part.trimmed();
                if (school.isEmpty())
                    problems << QCoreApplication::translate("catalogue", "an empty school name");
                else if (!schools.isEmpty() && !schools.contains(school))
                    problems << QCoreApplication::translate("catalogue", "unknown school \"%1\"")
                                    .arg(printable(school));
                else if (spell.schools.contains(school))
                    problems << QCoreApplication::translate("catalogue",
                                                            "school \"%1\" given twice")
                                    .arg(printable(school));
                else
                    spell.schools << school;
            }
        }
        checkText(QStringLiteral("book"), spell.book, SpellLimits::kBook, false, &problems);
        checkText(QStringLiteral("page"), spell.page, SpellLimits::kPage, false, &problems);
        checkText(QStringLiteral("description"), spell.description, SpellLimits::kDescription, true,
                  &problems);
        if (!spell.name.isEmpty() && !seen.contains(key))
            seen.insert(key, {spell.name, spell.line});
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
