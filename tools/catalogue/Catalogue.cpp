#include "tools/catalogue/Catalogue.h"

#include "tools/catalogue/CsvFile.h"
#include "ui/Database.h"
#include "ui/Transaction.h"
#include "ui/TwError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace {

const int kMaxDescription = 400;

QString location(const QString& fileName, int line) {
    return QStringLiteral("%1:%2: ").arg(fileName).arg(line);
}

QByteArray readSchema() {
    QFile file(QStringLiteral(":/schema.sql"));
    if (!file.open(QIODevice::ReadOnly))
        throw TwError(-1, QStringLiteral("Catalogue"),
                      QStringLiteral("The database schema is missing from this program."));
    return file.readAll();
}

bool headerMatches(const CsvRecord& record, const QStringList& expected, const QString& fileName,
                   QStringList* errors) {
    if (record.fields == expected)
        return true;
    *errors << location(fileName, record.line) +
                   QStringLiteral("the header must be \"%1\"").arg(expected.join(QLatin1Char(',')));
    return false;
}

} // namespace

const QStringList& CatalogueFiles::spellHeader() {
    static const QStringList header = {"Name", "Level", "Frequency",  "Schools",
                                       "Book", "Page",  "Description"};
    return header;
}

QList<CatalogueSpell> parseSpells(const QByteArray& bytes, const QString& fileName,
                                  const QStringList& knownSchools,
                                  const QStringList& knownFrequencies, QStringList* errors) {
    QList<CatalogueSpell> spells;
    const CsvContent content = parseCsv(bytes, fileName);
    *errors << content.errors;
    if (content.records.isEmpty()) {
        if (content.errors.isEmpty())
            *errors << location(fileName, 1) + QStringLiteral("the file is empty");
        return spells;
    }

    const QStringList& full = CatalogueFiles::spellHeader();
    const QStringList withoutDescription = full.mid(0, full.size() - 1);
    const CsvRecord& header = content.records.first();
    bool hasDescription = true;
    if (header.fields == withoutDescription) {
        hasDescription = false;
    } else if (header.fields != full) {
        *errors << location(fileName, header.line) +
                       QStringLiteral("the header must be \"%1\" (Description may be left out)")
                           .arg(full.join(QLatin1Char(',')));
        return spells;
    }
    const qsizetype columns = header.fields.size();

    const QSet<QString> schools(knownSchools.begin(), knownSchools.end());
    const QSet<QString> frequencies(knownFrequencies.begin(), knownFrequencies.end());
    QSet<QString> seen;
    for (qsizetype r = 1; r < content.records.size(); ++r) {
        const CsvRecord& record = content.records[r];
        const QString where = location(fileName, record.line);
        if (record.fields.size() != columns) {
            *errors << where + QStringLiteral("%1 columns instead of %2")
                                   .arg(record.fields.size())
                                   .arg(columns);
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
        if (spell.name.isEmpty())
            problems << QStringLiteral("empty name");
        else if (seen.contains(spell.name))
            problems << QStringLiteral("duplicate name \"%1\"").arg(spell.name);
        static const QSet<QString> levels = {"1", "2", "3", "4", "5", "6", "7", "8", "9"};
        if (!levels.contains(spell.level))
            problems << QStringLiteral("level \"%1\" is not 1 to 9").arg(spell.level);
        if (!frequencies.isEmpty() && !frequencies.contains(spell.frequency))
            problems << QStringLiteral("unknown frequency \"%1\"").arg(spell.frequency);
        const QString schoolText = record.fields[3].trimmed();
        if (schoolText.isEmpty()) {
            problems << QStringLiteral("no school");
        } else {
            for (const QString& part : schoolText.split(QLatin1Char(';'))) {
                const QString school = part.trimmed();
                if (school.isEmpty())
                    problems << QStringLiteral("an empty school name");
                else if (!schools.isEmpty() && !schools.contains(school))
                    problems << QStringLiteral("unknown school \"%1\"").arg(school);
                else if (spell.schools.contains(school))
                    problems << QStringLiteral("school \"%1\" given twice").arg(school);
                else
                    spell.schools << school;
            }
        }
        if (spell.description.size() > kMaxDescription)
            problems
                << QStringLiteral("description longer than %1 characters").arg(kMaxDescription);
        if (!problems.isEmpty()) {
            *errors << where + problems.join(QStringLiteral("; "));
            continue;
        }
        seen.insert(spell.name);
        spells << spell;
    }
    return spells;
}

Catalogue readCatalogueFolder(const QString& folder, QStringList* errors) {
    Catalogue catalogue;
    const QDir dir(folder);

    const CsvContent frequencyFile = readCsvFile(dir.filePath(CatalogueFiles::kFrequencies));
    *errors << frequencyFile.errors;
    if (!frequencyFile.records.isEmpty() &&
        headerMatches(frequencyFile.records.first(), {"Frequency", "FrequencyID"},
                      CatalogueFiles::kFrequencies, errors)) {
        for (qsizetype r = 1; r < frequencyFile.records.size(); ++r) {
            const CsvRecord& record = frequencyFile.records[r];
            bool numeric = false;
            const qint64 id =
                record.fields.size() == 2 ? record.fields[1].trimmed().toLongLong(&numeric) : 0;
            if (record.fields.size() != 2 || record.fields[0].trimmed().isEmpty() || !numeric) {
                *errors << location(CatalogueFiles::kFrequencies, record.line) +
                               QStringLiteral("a frequency needs a name and a whole-number ID");
                continue;
            }
            catalogue.frequencies.append({record.fields[0].trimmed(), id});
        }
    }

    const CsvContent schoolFile = readCsvFile(dir.filePath(CatalogueFiles::kSchools));
    *errors << schoolFile.errors;
    if (!schoolFile.records.isEmpty() && headerMatches(schoolFile.records.first(), {"Sphere_Name"},
                                                       CatalogueFiles::kSchools, errors)) {
        for (qsizetype r = 1; r < schoolFile.records.size(); ++r) {
            const CsvRecord& record = schoolFile.records[r];
            const QString school = record.fields.value(0).trimmed();
            if (record.fields.size() != 1 || school.isEmpty() ||
                catalogue.schools.contains(school)) {
                *errors << location(CatalogueFiles::kSchools, record.line) +
                               QStringLiteral("a school needs one name, given once");
                continue;
            }
            catalogue.schools << school;
        }
    }

    QStringList frequencyNames;
    for (const CatalogueFrequency& f : catalogue.frequencies)
        frequencyNames << f.name;
    QFile spellFile(dir.filePath(CatalogueFiles::kSpells));
    if (!spellFile.open(QIODevice::ReadOnly)) {
        *errors << QStringLiteral("%1: cannot be read: %2")
                       .arg(CatalogueFiles::kSpells, spellFile.errorString());
        return catalogue;
    }
    catalogue.spells = parseSpells(spellFile.readAll(), CatalogueFiles::kSpells, catalogue.schools,
                                   frequencyNames, errors);
    return catalogue;
}

void insertSpell(Database& database, const CatalogueSpell& spell) {
    database.execute(QStringLiteral("INSERT INTO Spells (Name, Lvl, Frequency, Book, Page, "
                                    "Description) VALUES (?, ?, ?, ?, ?, ?)"),
                     {spell.name, spell.level, spell.frequency, spell.book, spell.page,
                      spell.description.isEmpty() ? QVariant() : QVariant(spell.description)});
    for (const QString& school : spell.schools)
        database.execute(QStringLiteral("INSERT INTO SpellandSphere (Name, Sphere) VALUES (?, ?)"),
                         {spell.name, school});
}

void insertCatalogue(Database& database, const Catalogue& catalogue) {
    for (const CatalogueFrequency& frequency : catalogue.frequencies)
        database.execute(QStringLiteral("INSERT INTO Frequency (Frequency, FrequencyID) VALUES "
                                        "(?, ?)"),
                         {frequency.name, frequency.id});
    for (const QString& school : catalogue.schools)
        database.execute(QStringLiteral("INSERT INTO [Sphere Names] (Sphere_Name) VALUES (?)"),
                         {school});
    for (const CatalogueSpell& spell : catalogue.spells)
        insertSpell(database, spell);
}

void buildCatalogueDatabase(const Catalogue& catalogue, const QString& path,
                            const QString& connectText) {
    const QString partial = path + QStringLiteral(".partial");
    QFile::remove(partial);
    try {
        {
            Database database = Database::create(partial, connectText);
            database.executeScript(QString::fromUtf8(readSchema()));
            Transaction transaction(database);
            insertCatalogue(database, catalogue);
            transaction.commit();
        }
        QFile::remove(path);
        if (!QFile::rename(partial, path))
            throw TwError(-1, QStringLiteral("Catalogue"),
                          QStringLiteral("\"%1\" cannot be written.").arg(path));
    } catch (...) {
        QFile::remove(partial);
        throw;
    }
}

Catalogue readCatalogueDatabase(Database& database) {
    Catalogue catalogue;
    RecordSet frequencies = database.snapshot(
        QStringLiteral("SELECT Frequency, FrequencyID FROM Frequency ORDER BY FrequencyID"));
    for (; !frequencies.eof(); frequencies.moveNext())
        catalogue.frequencies.append(
            {frequencies.text(QStringLiteral("Frequency")),
             frequencies.value(QStringLiteral("FrequencyID")).toLongLong()});
    RecordSet schools =
        database.snapshot(QStringLiteral("SELECT Sphere_Name FROM [Sphere Names] ORDER BY rowid"));
    for (; !schools.eof(); schools.moveNext())
        catalogue.schools << schools.text(QStringLiteral("Sphere_Name"));

    // Spells in the order they were stored, so a build followed by an export gives back the
    // source files unchanged.
    RecordSet spells = database.snapshot(QStringLiteral(
        "SELECT Spells.Name, Lvl, Frequency, Book, Page, Description, Sphere FROM Spells "
        "LEFT JOIN SpellandSphere ON SpellandSphere.Name = Spells.Name "
        "ORDER BY Spells.rowid, SpellandSphere.rowid"));
    for (; !spells.eof(); spells.moveNext()) {
        const QString name = spells.text(QStringLiteral("Name"));
        if (catalogue.spells.isEmpty() || catalogue.spells.last().name != name) {
            CatalogueSpell spell;
            spell.name = name;
            spell.level = spells.text(QStringLiteral("Lvl"));
            spell.frequency = spells.text(QStringLiteral("Frequency"));
            spell.book = spells.text(QStringLiteral("Book"));
            spell.page = spells.text(QStringLiteral("Page"));
            spell.description = spells.text(QStringLiteral("Description"));
            spell.hasDescription = true;
            catalogue.spells << spell;
        }
        const QString school = spells.text(QStringLiteral("Sphere"));
        if (!school.isEmpty())
            catalogue.spells.last().schools << school;
    }
    return catalogue;
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
    QByteArray bytes = csvLine(CatalogueFiles::spellHeader());
    for (const CatalogueSpell& s : catalogue.spells)
        bytes += csvLine({s.name, s.level, s.frequency, s.schools.join(QLatin1Char(';')), s.book,
                          s.page, s.description});
    return bytes;
}

int importSpells(Database& database, const QByteArray& bytes, const QString& fileName, bool replace,
                 QStringList* errors) {
    const Catalogue stored = readCatalogueDatabase(database);
    QStringList frequencyNames;
    for (const CatalogueFrequency& f : stored.frequencies)
        frequencyNames << f.name;
    const QList<CatalogueSpell> spells =
        parseSpells(bytes, fileName, stored.schools, frequencyNames, errors);
    QSet<QString> existing;
    for (const CatalogueSpell& spell : stored.spells)
        existing.insert(spell.name.trimmed());
    if (!replace) {
        for (const CatalogueSpell& spell : spells) {
            if (existing.contains(spell.name))
                *errors << location(fileName, spell.line) +
                               QStringLiteral("\"%1\" is already in the catalogue (use --replace "
                                              "to overwrite it)")
                                   .arg(spell.name);
        }
    }
    if (!errors->isEmpty())
        return 0;

    Transaction transaction(database);
    for (const CatalogueSpell& spell : spells) {
        if (existing.contains(spell.name)) {
            database.execute(QStringLiteral("DELETE FROM SpellandSphere WHERE Name IN (SELECT "
                                            "Name FROM Spells WHERE trim(Name) = ?)"),
                             {spell.name});
            database.execute(QStringLiteral("DELETE FROM Spells WHERE trim(Name) = ?"),
                             {spell.name});
        }
        insertSpell(database, spell);
    }
    transaction.commit();
    return int(spells.size());
}
