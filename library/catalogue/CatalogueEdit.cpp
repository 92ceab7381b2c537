#include "library/catalogue/CatalogueEdit.h"

#include "library/SchemaUpgrade.h"
#include "library/SpellCatalogue.h"
#include "library/SpellName.h"
#include "library/catalogue/CsvFile.h"
#include "library/catalogue/SpellFile.h"
#include "ui/Database.h"
#include "ui/Transaction.h"
#include "ui/TwError.h"

#include <QCoreApplication>
#include <QHash>
#include <QMap>
#include <QRegularExpression>
#include <QSet>

namespace {

// The database's spells by name key: their stored names.
QHash<QString, QString> storedNames(const Catalogue& catalogue) {
    QHash<QString, QString> names;
    for (const CatalogueSpell& spell : catalogue.spells)
        names.insert(spellNameKey(spell.name), spell.name);
    return names;
}

// The database's spells by name key.
QHash<QString, const CatalogueSpell*> storedSpells(const Catalogue& catalogue) {
    QHash<QString, const CatalogueSpell*> spells;
    for (const CatalogueSpell& spell : catalogue.spells)
        spells.insert(spellNameKey(spell.name), &spell);
    return spells;
}

// The names the catalogue records an origin for, by name key: every spelling of a name.
QMultiHash<QString, QString> originNamesByKey(const QHash<QString, QString>& origins) {
    QMultiHash<QString, QString> names;
    for (auto it = origins.cbegin(); it != origins.cend(); ++it)
        names.insert(spellNameKey(it.key()), it.key());
    return names;
}

// Records a spell as the user's, forgetting what was recorded under any other spelling of its
// name (a shipped spell it replaces, or one the user once took out).
void markAsUsers(Database& database, const QMultiHash<QString, QString>& originNames,
                 const QString& key, const CatalogueSpell& spell) {
    for (auto it = originNames.constFind(key); it != originNames.cend() && it.key() == key; ++it) {
        if (it.value() != spell.name)
            SpellOrigin::forget(database, it.value());
    }
    SpellOrigin::set(database, spell.name, SpellOrigin::kUser);
}

// The pages an import writes are written once: a cache of 8 MiB lets them go to the file as the
// transaction grows, where the connection's larger cache (kept for reading books) would hold
// tens of megabytes of them until the commit. The connection's own size comes back after.
class WritingCache {
public:
    explicit WritingCache(Database& database) : m_database(database) {
        m_database.forEachRow(QStringLiteral("PRAGMA cache_size"), {},
                              [this](const RowReader& row) { m_saved = row.integer(0); });
        m_database.execute(QStringLiteral("PRAGMA cache_size = -8192"));
    }
    ~WritingCache() {
        try {
            m_database.execute(QStringLiteral("PRAGMA cache_size = %1").arg(m_saved));
        } catch (const TwError&) {
            // Only the cache's size is at stake; the import's outcome stands.
        }
    }
    WritingCache(const WritingCache&) = delete;
    WritingCache& operator=(const WritingCache&) = delete;

private:
    Database& m_database;
    qint64 m_saved = -2000;
};

// Rows checked between two reports of progress.
constexpr qsizetype kRowsBetweenProgress = 256;

// Every row of a file whose header was good, in line order: the good ones with their outcome,
// the others refused with their problems (those of one line joined, as errors lists them).
QList<ImportRow> importRows(const SpellFile& file, const QHash<int, ImportRow::Outcome>& outcomes) {
    QMap<int, ImportRow> rows;
    for (auto it = outcomes.cbegin(); it != outcomes.cend(); ++it)
        rows.insert(it.key(), {it.key(), file.rowNames.value(it.key()), it.value(), QString()});
    for (const LineProblem& problem : file.problems) {
        ImportRow& row = rows[problem.line];
        row.line = problem.line;
        row.name = file.rowNames.value(problem.line);
        row.outcome = ImportRow::Outcome::Refused;
        row.reason += (row.reason.isEmpty() ? QString() : QStringLiteral("; ")) + problem.text;
    }
    return rows.values();
}

} // namespace

namespace {

// A name the catalogue holds, refused without replacing; the way to replace it is named as the
// caller offers it.
QString alreadyStoredMessage(const QString& name, const QString& storedName,
                             ImportOptions::ReplaceOffered offered) {
    const bool checkBox = offered == ImportOptions::ReplaceOffered::CheckBox;
    if (storedName == name)
        return (checkBox ? QCoreApplication::translate(
                               "catalogue", "\"%1\" is already in the catalogue (tick \"Replace "
                                            "spells of the same name\" to overwrite it)")
                         : QCoreApplication::translate("catalogue",
                                                       "\"%1\" is already in the catalogue (use "
                                                       "--replace to overwrite it)"))
            .arg(printable(name));
    return (checkBox ? QCoreApplication::translate(
                           "catalogue", "\"%1\" is already in the catalogue as \"%2\" (names are "
                                        "compared without regard to letter case; tick \"Replace "
                                        "spells of the same name\" to overwrite it)")
                     : QCoreApplication::translate(
                           "catalogue", "\"%1\" is already in the catalogue as \"%2\" (names are "
                                        "compared without regard to letter case; use --replace to "
                                        "overwrite it)"))
        .arg(printable(name), printable(storedName));
}

} // namespace

ImportResult importSpells(Database& database, const QByteArray& bytes, const QString& fileName,
                          const ImportOptions& options, QStringList* errors) {
    ImportResult result;
    const Catalogue stored = readCatalogueDatabase(database);
    QStringList frequencyNames;
    for (const CatalogueFrequency& f : stored.frequencies)
        frequencyNames << f.name;

    // Steps of progress: every row read, checked and (unless a dry run) written.
    const qsizetype phases = options.dryRun ? 2 : 3;
    qsizetype rows = 0;
    auto goOn = [&](qsizetype phase, qsizetype done) {
        return !options.progress || options.progress(phase * rows + done, phases * rows);
    };
    SpellFile file = readSpellFile(bytes, stored.schools, frequencyNames, options.encoding,
                                   [&](qsizetype done, qsizetype total) {
                                       rows = total;
                                       return goOn(0, done);
                                   });
    if (file.cancelled) {
        result.cancelled = true;
        return result;
    }
    rows = file.rowNames.size();

    const QHash<QString, const CatalogueSpell*> existing = storedSpells(stored);
    QSet<QString> unchanged;                 // name keys of the file's spells exactly as stored
    QHash<int, ImportRow::Outcome> outcomes; // of the good rows, by line
    TakenNames taken;
    for (const CatalogueSpell& spell : stored.spells)
        taken.add(spell.name);
    for (qsizetype i = 0; i < file.spells.size(); ++i) {
        if (i % kRowsBetweenProgress == 0 && !goOn(1, i)) {
            result.cancelled = true;
            return result;
        }
        const CatalogueSpell& spell = file.spells[i];
        const CatalogueSpell* held = existing.value(spellNameKey(spell.name));
        const QString storedName = held ? held->name : QString();
        const TakenNames::Entry* alike = held ? nullptr : taken.find(spell.name);
        if (alike) {
            // Not the same spell, yet too like one to tell apart in a list: refused even with
            // --replace, which replaces only a spell of the same name.
            file.problems << LineProblem{spell.line, nearNameMessage(spell.name, *alike)};
        } else if (!held) {
            result.added << spell.name;
            outcomes.insert(spell.line, ImportRow::Outcome::Add);
        } else if (options.replace && sameSpell(*held, spell)) {
            // A row as the catalogue holds it (a file exported, edited elsewhere and imported
            // back): nothing to replace, and a shipped spell stays shipped, so upgrades still
            // bring its fixes.
            result.unchanged << spell.name;
            unchanged.insert(spellNameKey(spell.name));
            outcomes.insert(spell.line, ImportRow::Outcome::Unchanged);
        } else if (options.replace) {
            result.replaced << spell.name;
            outcomes.insert(spell.line, ImportRow::Outcome::Replace);
        } else {
            file.problems << LineProblem{
                spell.line, alreadyStoredMessage(spell.name, storedName, options.replaceOffered)};
        }
    }
    if (file.rowsRead)
        result.rows = importRows(file, outcomes);
    if (!file.problems.isEmpty()) {
        *errors << describeProblems(fileName, file.problems);
        result.added.clear();
        result.replaced.clear();
        result.unchanged.clear();
        return result;
    }
    if (!goOn(1, rows)) {
        result.cancelled = true;
        return result;
    }
    if (options.dryRun)
        return result;

    const WritingCache cache(database);
    Transaction transaction(database);
    SchemaUpgrade::apply(database);
    // Keyed once: comparing every row with every recorded name made a large import quadratic.
    const QMultiHash<QString, QString> originNames = originNamesByKey(SpellOrigin::read(database));
    for (qsizetype i = 0; i < file.spells.size(); ++i) {
        const CatalogueSpell& spell = file.spells[i];
        const QString key = spellNameKey(spell.name);
        if (!unchanged.contains(key)) {
            if (const CatalogueSpell* held = existing.value(key))
                deleteSpell(database, held->name);
            insertSpell(database, spell);
            markAsUsers(database, originNames, key, spell);
        }
        // Asked after the last row too: a cancel then still keeps nothing (the transaction
        // rolls back as it goes out of scope).
        const qsizetype done = i + 1;
        if ((done % kRowsBetweenProgress == 0 || done == file.spells.size()) && !goOn(2, done)) {
            result.cancelled = true;
            return result;
        }
    }
    transaction.commit();
    return result;
}

QList<GivenName> readNameList(const QByteArray& bytes, const QString& fileName,
                              TextEncoding encoding, QStringList* errors) {
    QList<GivenName> names;
    const DecodedText text = decodeText(bytes, encoding);
    if (text.problem) {
        *errors << describeProblems(fileName, {*text.problem});
        return names;
    }
    QList<LineProblem> problems;
    const QString firstLine = QString::fromUtf8(text.utf8.left(text.utf8.indexOf('\n')));
    static const QRegularExpression spellHeader(QStringLiteral("^\\s*\"?Name\"?\\s*[,;\t]"),
                                                QRegularExpression::CaseInsensitiveOption);
    if (spellHeader.match(firstLine).hasMatch()) {
        const CsvContent content = parseCsv(bytes, encoding);
        problems = content.errors;
        for (qsizetype r = 1; r < content.records.size(); ++r) {
            const QString name = content.records[r].fields.value(0).trimmed();
            if (!name.isEmpty())
                names.append({name, content.records[r].line});
        }
    } else {
        const QList<QByteArray> lines = text.utf8.split('\n');
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const QString name = QString::fromUtf8(lines[i]).trimmed();
            if (!name.isEmpty())
                names.append({name, int(i + 1)});
        }
    }
    if (names.isEmpty() && problems.isEmpty())
        problems << LineProblem{
            1, QCoreApplication::translate("catalogue", "the file names no spell")};
    *errors << describeProblems(fileName, problems);
    return problems.isEmpty() ? names : QList<GivenName>();
}

QStringList removeSpells(Database& database, const QList<GivenName>& names, const QString& fileName,
                         QStringList* errors) {
    const Catalogue stored = readCatalogueDatabase(database);
    const QHash<QString, QString> existing = storedNames(stored);
    QStringList removed;
    QList<LineProblem> problems;
    QStringList unknownOnCommandLine;
    for (const GivenName& given : names) {
        const QString storedName = existing.value(spellNameKey(given.name));
        if (storedName.isEmpty()) {
            const QString text =
                QCoreApplication::translate("catalogue", "no spell \"%1\" in the catalogue")
                    .arg(printable(given.name));
            if (given.line > 0)
                problems << LineProblem{given.line, text};
            else
                unknownOnCommandLine << text;
        } else if (!removed.contains(storedName)) {
            removed << storedName;
        }
    }
    *errors << unknownOnCommandLine << describeProblems(fileName, problems);
    if (!unknownOnCommandLine.isEmpty() || !problems.isEmpty())
        return {};

    Transaction transaction(database);
    SchemaUpgrade::apply(database);
    const QHash<QString, QString> origins = SpellOrigin::read(database);
    for (const QString& name : removed) {
        deleteSpell(database, name);
        SpellOrigin::takenOut(database, name, origins.value(name));
    }
    transaction.commit();
    return removed;
}
