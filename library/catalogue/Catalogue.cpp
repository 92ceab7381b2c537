#include "library/catalogue/Catalogue.h"

#include "library/CatalogueStamp.h"
#include "library/catalogue/CsvFile.h"
#include "ui/Database.h"
#include "ui/Transaction.h"
#include "ui/TwError.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstdio>

namespace {

QByteArray readSchema() {
    QFile file(QStringLiteral(":/schema.sql"));
    if (!file.open(QIODevice::ReadOnly))
        throw TwError(-1, QStringLiteral("Catalogue"),
                      QCoreApplication::translate(
                          "catalogue", "The database schema is missing from this program."));
    return file.readAll();
}

bool headerMatches(const CsvRecord& record, const QStringList& expected, const QString& fileName,
                   QStringList* errors) {
    if (record.fields == expected)
        return true;
    *errors << describeProblems(
        fileName, {{record.line, QCoreApplication::translate(
                                     "catalogue", "the header must be \"%1\", not \"%2\"")
                                     .arg(expected.join(QLatin1Char(',')),
                                          printable(record.fields.join(QLatin1Char(','))))}});
    return false;
}

} // namespace

Catalogue readCatalogueFolder(const QString& folder, QStringList* errors, TextEncoding encoding) {
    Catalogue catalogue;
    const QDir dir(folder);

    const CsvContent frequencyFile =
        readCsvFile(dir.filePath(CatalogueFiles::kFrequencies), encoding);
    QList<LineProblem> problems = frequencyFile.errors;
    if (!frequencyFile.records.isEmpty() &&
        headerMatches(frequencyFile.records.first(), {"Frequency", "FrequencyID"},
                      CatalogueFiles::kFrequencies, errors)) {
        for (qsizetype r = 1; r < frequencyFile.records.size(); ++r) {
            const CsvRecord& record = frequencyFile.records[r];
            bool numeric = false;
            const qint64 id =
                record.fields.size() == 2 ? record.fields[1].trimmed().toLongLong(&numeric) : 0;
            if (record.fields.size() != 2 || record.fields[0].trimmed().isEmpty() || !numeric) {
                problems << LineProblem{record.line,
                                        QCoreApplication::translate("catalogue",
                                                                    "a frequency needs a name and "
                                                                    "a whole-number ID")};
                continue;
            }
            catalogue.frequencies.append({record.fields[0].trimmed(), id});
        }
    }
    *errors << describeProblems(CatalogueFiles::kFrequencies, problems);

    const CsvContent schoolFile = readCsvFile(dir.filePath(CatalogueFiles::kSchools), encoding);
    problems = schoolFile.errors;
    if (!schoolFile.records.isEmpty() && headerMatches(schoolFile.records.first(), {"Sphere_Name"},
                                                       CatalogueFiles::kSchools, errors)) {
        for (qsizetype r = 1; r < schoolFile.records.size(); ++r) {
            const CsvRecord& record = schoolFile.records[r];
            const QString school = record.fields.value(0).trimmed();
            if (record.fields.size() != 1 || school.isEmpty() ||
                catalogue.schools.contains(school)) {
                problems << LineProblem{record.line,
                                        QCoreApplication::translate(
                                            "catalogue", "a school needs one name, given once")};
                continue;
            }
            catalogue.schools << school;
        }
    }
    *errors << describeProblems(CatalogueFiles::kSchools, problems);

    QStringList frequencyNames;
    for (const CatalogueFrequency& f : catalogue.frequencies)
        frequencyNames << f.name;
    const CsvBytes spellFile = readCsvBytes(dir.filePath(CatalogueFiles::kSpells));
    if (spellFile.problem) {
        *errors << describeProblems(CatalogueFiles::kSpells, {*spellFile.problem});
        return catalogue;
    }
    catalogue.spells = parseSpells(spellFile.bytes, CatalogueFiles::kSpells, catalogue.schools,
                                   frequencyNames, errors, encoding);
    return catalogue;
}

void insertCatalogue(Database& database, const Catalogue& catalogue) {
    for (const CatalogueFrequency& frequency : catalogue.frequencies)
        database.execute(QStringLiteral("INSERT INTO Frequency (Frequency, FrequencyID) VALUES "
                                        "(?, ?)"),
                         {frequency.name, frequency.id});
    for (const QString& school : catalogue.schools)
        database.execute(QStringLiteral("INSERT INTO [Sphere Names] (Sphere_Name) VALUES (?)"),
                         {school});
    for (const CatalogueSpell& spell : catalogue.spells) {
        insertSpell(database, spell);
        SpellOrigin::set(database, spell.name, SpellOrigin::kShipped);
    }
}

void buildCatalogueDatabase(const Catalogue& catalogue, const QString& path,
                            const QString& connectText, const QString& version) {
    const QString partial = path + QStringLiteral(".partial");
    QFile::remove(partial);
    try {
        {
            Database database = Database::create(partial, connectText);
            database.executeScript(QString::fromUtf8(readSchema()));
            Transaction transaction(database);
            insertCatalogue(database, catalogue);
            CatalogueStamp{version, catalogueFingerprint(catalogue)}.write(database);
            transaction.commit();
        }
        // rename() puts the new file in the old one's place in one step: there is never a
        // moment without a database at path.
        if (std::rename(QFile::encodeName(partial).constData(),
                        QFile::encodeName(path).constData()) != 0)
            throw TwError(
                -1, QStringLiteral("Catalogue"),
                QCoreApplication::translate("catalogue", "\"%1\" cannot be written.").arg(path));
    } catch (...) {
        QFile::remove(partial);
        throw;
    }
}

QByteArray frequenciesCsv(const Catalogue& catalogue) {
    QByteArray bytes = csvLine({"Frequency", "FrequencyID"});
    for (const CatalogueFrequency& f : catalogue.frequencies)
        bytes += csvLine({f.name, QString::number(f.id)});
    return bytes;
}

QByteArray schoolsCsv(const Catalogue& catalogue) {
    QByteArray bytes = csvLine({"Sphere_Name"});
    for (const QString& school : catalogue.schools)
        bytes += csvLine({school});
    return bytes;
}

QByteArray spellsCsv(const Catalogue& catalogue) {
    QList<const CatalogueSpell*> sorted;
    for (const CatalogueSpell& spell : catalogue.spells)
        sorted << &spell;
    // UTF-8 bytes sort in code-point order, the same on every machine and in every language.
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const CatalogueSpell* a, const CatalogueSpell* b) {
                         const int levelA = a->level.toInt();
                         const int levelB = b->level.toInt();
                         if (levelA != levelB)
                             return levelA < levelB;
                         return a->name.toUtf8() < b->name.toUtf8();
                     });
    QByteArray bytes = csvLine(CatalogueFiles::spellHeader());
    for (const CatalogueSpell* s : sorted)
        bytes += csvLine({s->name, s->level, s->frequency, s->schools.join(QLatin1Char(';')),
                          s->book, s->page, s->description});
    return bytes;
}

QString catalogueFingerprint(const Catalogue& catalogue) {
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(frequenciesCsv(catalogue));
    hash.addData(schoolsCsv(catalogue));
    hash.addData(spellsCsv(catalogue));
    return QString::fromLatin1(hash.result().toHex());
}
