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

// Tells the caller's progress hook how far an import has come, every so many rows.
class ImportProgress {
public:
    ImportProgress(const ImportOptions& options, qsizetype rows)
        : m_hook(options.progress), m_total(2 * rows) {}

    // After the row-th row (counted from 1) of both passes together; false when cancelled.
    bool rowDone(qsizetype done) {
        if (!m_hook || (done % kEvery != 0 && done != m_total / 2 && done != m_total))
            return true;
        return m_hook(done, m_total);
    }

private:
    static constexpr qsizetype kEvery = 128;
    const std::function<bool(qsizetype, qsizetype)>& m_hook;
    qsizetype m_total;
};

QString cancelledMessage() {
    return QCoreApplication::translate("catalogue",
                                       "The import was cancelled; nothing was written.");
}

} // namespace

ImportResult importSpells(Database& database, const QByteArray& bytes, const QString& fileName,
                          const ImportOptions& options, QStringList* errors) {
    ImportResult result;
    const Catalogue stored = readCatalogueDatabase(database);
    QStringList frequencyNames;
    for (const CatalogueFrequency& f : stored.frequencies)
        frequencyNames << f.name;
    SpellFile file = readSpellFile(bytes, stored.schools, frequencyNames, options.encoding);
    const QHash<QString, const CatalogueSpell*> existing = storedSpells(stored);
    QSet<QString> unchanged; // name keys of the file's spells exactly as stored
    TakenNames taken;
    for (const CatalogueSpell& spell : stored.spells)
        taken.add(spell.name);
    ImportProgress progress(options, file.spells.size());
    qsizetype done = 0;
    for (const CatalogueSpell& spell : file.spells) {
        if (!progress.rowDone(++done)) {
            *errors << cancelledMessage();
            return {};
        }
        const CatalogueSpell* held = existing.value(spellNameKey(spell.name));
        const QString storedName = held ? held->name : QString();
        const TakenNames::Entry* alike = held ? nullptr : taken.find(spell.name);
        if (alike) {
            // Not the same spell, yet too like one to tell apart in a list: refused even with
            // --replace, which replaces only a spell of the same name.
            file.problems << LineProblem{spell.line, nearNameMessage(spell.name, *alike)};
        } else if (!held) {
            result.added << spell.name;
        } else if (options.replace && sameSpell(*held, spell)) {
            // A row as the catalogue holds it (a file exported, edited elsewhere and imported
            // back): nothing to replace, and a shipped spell stays shipped, so upgrades still
            // bring its fixes.
            result.unchanged << spell.name;
            unchanged.insert(spellNameKey(spell.name));
        } else if (options.replace) {
            result.replaced << spell.name;
        } else if (storedName == spell.name) {
            file.problems << LineProblem{
                spell.line,
                QCoreApplication::translate("catalogue", "\"%1\" is already in the catalogue (use "
                                                         "--replace to overwrite it)")
                    .arg(printable(spell.name))};
        } else {
            file.problems << LineProblem{
                spell.line, QCoreApplication::translate(
                                "catalogue", "\"%1\" is already in the catalogue as \"%2\" (names "
                                             "are compared without regard to letter case; use "
                                             "--replace to overwrite it)")
                                .arg(printable(spell.name), printable(storedName))};
        }
    }
    if (!file.problems.isEmpty()) {
        *errors << describeProblems(fileName, file.problems);
        return {};
    }
    if (options.dryRun)
        return result;

    const WritingCache cache(database);
    Transaction transaction(database);
    SchemaUpgrade::apply(database);
    // Keyed once: comparing every row with every recorded name made a large import quadratic.
    const QMultiHash<QString, QString> originNames = originNamesByKey(SpellOrigin::read(database));
    for (const CatalogueSpell& spell : file.spells) {
        // Cancelled, the transaction is rolled back as it goes out of scope.
        if (!progress.rowDone(++done)) {
            *errors << cancelledMessage();
            return {};
        }
        const QString key = spellNameKey(spell.name);
        if (unchanged.contains(key))
            continue;
        if (const CatalogueSpell* held = existing.value(key))
            deleteSpell(database, held->name);
        insertSpell(database, spell);
        markAsUsers(database, originNames, key, spell);
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
        // A spell that came with the program is remembered as taken out, so an upgrade does not
        // bring it back; the user's own spell is simply gone.
        if (origins.value(name) == SpellOrigin::kUser)
            SpellOrigin::forget(database, name);
        else
            SpellOrigin::set(database, name, SpellOrigin::kRemoved);
    }
    transaction.commit();
    return removed;
}
