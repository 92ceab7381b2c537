#include "library/catalogue/SpellStore.h"

#include "library/SchemaUpgrade.h"
#include "library/SpellName.h"
#include "ui/Database.h"
#include "ui/Transaction.h"
#include "ui/TwError.h"

#include <QCoreApplication>
#include <QSet>
#include <algorithm>

namespace {

// What checkSpell() checks a spell against: the stored names, schools and frequencies.
struct SpellRulesInput {
    QStringList names;
    QStringList schools;
    QStringList frequencies;
};

SpellRulesInput readRulesInput(const Database& database) {
    SpellRulesInput input;
    database.forEachRow(QStringLiteral("SELECT Name FROM Spells"), {},
                        [&](const RowReader& row) { input.names << row.text(0); });
    database.forEachRow(QStringLiteral("SELECT Sphere_Name FROM [Sphere Names] ORDER BY rowid"), {},
                        [&](const RowReader& row) { input.schools << row.text(0); });
    database.forEachRow(QStringLiteral("SELECT Frequency FROM Frequency ORDER BY FrequencyID"), {},
                        [&](const RowReader& row) { input.frequencies << row.text(0); });
    return input;
}

// The problems of spell among the stored spells; exceptName is the stored spell it replaces,
// whose name it may keep.
QList<SpellProblem> problemsOf(const SpellRulesInput& input, const CatalogueSpell& spell,
                               const QString& exceptName = QString()) {
    TakenNames taken;
    for (const QString& name : input.names)
        taken.add(name);
    if (!exceptName.isNull())
        taken.remove(exceptName);
    return checkSpell(spell, input.schools, input.frequencies, taken);
}

[[noreturn]] void noSuchSpell(const QString& source, const QString& name) {
    throw TwError(-1, source,
                  QCoreApplication::translate("catalogue", "no spell \"%1\" in the catalogue")
                      .arg(printable(name)));
}

// The spell stored under exactly this name (the first, should there be two), or nullopt. Reads
// a database of the current design.
std::optional<CatalogueSpell> readStoredSpell(const Database& database, const QString& name) {
    std::optional<CatalogueSpell> found;
    database.forEachRow(
        QStringLiteral("SELECT Name, Lvl, Frequency, Book, Page, Description FROM Spells WHERE "
                       "Name = ? ORDER BY rowid LIMIT 1"),
        {name}, [&](const RowReader& row) {
            CatalogueSpell spell;
            spell.name = row.text(0);
            spell.level = row.text(1);
            spell.frequency = row.text(2);
            spell.book = row.text(3);
            spell.page = row.text(4);
            spell.description = row.text(5);
            spell.hasDescription = true;
            found = spell;
        });
    if (found) {
        database.forEachRow(
            QStringLiteral("SELECT Sphere FROM SpellandSphere WHERE Name = ? ORDER BY rowid"),
            {name}, [&](const RowReader& row) { found->schools << row.text(0); });
    }
    return found;
}

// Whether a stored name belongs to the names a state is read for: the same name or one too
// like it.
class NameGroup {
public:
    explicit NameGroup(const QStringList& names) {
        for (const QString& name : names) {
            m_keys.insert(spellNameKey(name));
            m_nearKeys.insert(nearNameKey(name));
        }
    }
    bool contains(const QString& name) const {
        return m_keys.contains(spellNameKey(name)) || m_nearKeys.contains(nearNameKey(name));
    }

private:
    QSet<QString> m_keys;
    QSet<QString> m_nearKeys;
};

SpellsState readState(const Database& database, const QStringList& names) {
    SpellsState state;
    state.names = names;
    const NameGroup group(names);
    QStringList stored;
    database.forEachRow(QStringLiteral("SELECT DISTINCT Name FROM Spells"), {},
                        [&](const RowReader& row) {
                            const QString name = row.text(0);
                            if (group.contains(name))
                                stored << name;
                        });
    std::sort(stored.begin(), stored.end());
    for (const QString& name : std::as_const(stored)) {
        if (std::optional<CatalogueSpell> spell = readStoredSpell(database, name))
            state.spells << *spell;
    }
    const QHash<QString, QString> origins = SpellOrigin::read(database);
    for (auto it = origins.cbegin(); it != origins.cend(); ++it) {
        if (group.contains(it.key()))
            state.origins.insert(it.key(), it.value());
    }
    return state;
}

// Records the spell as the user's, forgetting what was recorded under any other spelling of its
// name (a shipped spell it replaces, or one taken out before).
void recordAsUsers(Database& database, const SpellsState& before, const QString& name) {
    const QString key = spellNameKey(name);
    for (auto it = before.origins.cbegin(); it != before.origins.cend(); ++it) {
        if (it.key() != name && spellNameKey(it.key()) == key)
            SpellOrigin::forget(database, it.key());
    }
    SpellOrigin::set(database, name, SpellOrigin::kUser);
}

// Stores the spell as the user's and keeps the change: the end of adding or replacing one.
SpellChange storeAsUsers(Database& database, Transaction& transaction, SpellChange change,
                         const QStringList& names, const CatalogueSpell& spell) {
    insertSpell(database, spell);
    recordAsUsers(database, change.before, spell.name);
    change.after = readState(database, names);
    transaction.commit();
    change.done = true;
    return change;
}

} // namespace

bool SpellsState::operator==(const SpellsState& other) const {
    if (spells.size() != other.spells.size() || origins != other.origins)
        return false;
    for (qsizetype i = 0; i < spells.size(); ++i) {
        if (!sameSpell(spells[i], other.spells[i]))
            return false;
    }
    return true;
}

SpellChange addSpell(Database& database, const CatalogueSpell& spell,
                     QList<SpellProblem>* problems) {
    SpellChange change;
    Transaction transaction(database);
    SchemaUpgrade::apply(database);
    *problems = problemsOf(readRulesInput(database), spell);
    if (!problems->isEmpty())
        return change;
    const QStringList names{spell.name};
    change.before = readState(database, names);
    return storeAsUsers(database, transaction, std::move(change), names, spell);
}

SpellChange replaceSpell(Database& database, const QString& storedName, const CatalogueSpell& spell,
                         QList<SpellProblem>* problems) {
    SpellChange change;
    Transaction transaction(database);
    SchemaUpgrade::apply(database);
    const std::optional<CatalogueSpell> held = readStoredSpell(database, storedName);
    if (!held)
        noSuchSpell(QStringLiteral("replaceSpell"), storedName);
    *problems = problemsOf(readRulesInput(database), spell, storedName);
    if (!problems->isEmpty() || sameSpell(*held, spell))
        return change;
    const QStringList names{storedName, spell.name};
    change.before = readState(database, names);
    deleteSpell(database, storedName);
    if (spellNameKey(storedName) != spellNameKey(spell.name))
        SpellOrigin::takenOut(database, storedName, change.before.origins.value(storedName));
    return storeAsUsers(database, transaction, std::move(change), names, spell);
}

SpellChange removeStoredSpells(Database& database, const QStringList& storedNames) {
    SpellChange change;
    if (storedNames.isEmpty())
        return change;
    Transaction transaction(database);
    SchemaUpgrade::apply(database);
    for (const QString& name : storedNames) {
        if (!readStoredSpell(database, name))
            noSuchSpell(QStringLiteral("removeStoredSpells"), name);
    }
    change.before = readState(database, storedNames);
    for (const QString& name : storedNames) {
        deleteSpell(database, name);
        SpellOrigin::takenOut(database, name, change.before.origins.value(name));
    }
    change.after = readState(database, storedNames);
    transaction.commit();
    change.done = true;
    return change;
}

std::optional<CatalogueSpell> shippedVersion(const Database& installed, const QString& storedName) {
    const QString key = spellNameKey(storedName);
    for (const CatalogueSpell& spell : readCatalogueDatabase(installed).spells) {
        if (spellNameKey(spell.name) == key)
            return spell;
    }
    return std::nullopt;
}

SpellChange restoreShippedSpell(Database& database, const QString& storedName,
                                const CatalogueSpell& shipped, QList<SpellProblem>* problems) {
    SpellChange change;
    Transaction transaction(database);
    SchemaUpgrade::apply(database);
    if (!readStoredSpell(database, storedName))
        noSuchSpell(QStringLiteral("restoreShippedSpell"), storedName);
    *problems = problemsOf(readRulesInput(database), shipped, storedName);
    if (!problems->isEmpty())
        return change;
    const QStringList names{storedName, shipped.name};
    change.before = readState(database, names);
    deleteSpell(database, storedName);
    const QString key = spellNameKey(shipped.name);
    for (auto it = change.before.origins.cbegin(); it != change.before.origins.cend(); ++it) {
        if (spellNameKey(it.key()) == key)
            SpellOrigin::forget(database, it.key());
    }
    insertSpell(database, shipped);
    SpellOrigin::set(database, shipped.name, SpellOrigin::kShipped);
    change.after = readState(database, names);
    transaction.commit();
    change.done = true;
    return change;
}

bool switchSpells(Database& database, const SpellsState& from, const SpellsState& to) {
    Transaction transaction(database);
    SchemaUpgrade::apply(database);
    const SpellsState now = readState(database, from.names);
    if (!(now == from))
        return false;
    for (const CatalogueSpell& spell : now.spells)
        deleteSpell(database, spell.name);
    for (auto it = now.origins.cbegin(); it != now.origins.cend(); ++it)
        SpellOrigin::forget(database, it.key());
    for (const CatalogueSpell& spell : to.spells)
        insertSpell(database, spell);
    for (auto it = to.origins.cbegin(); it != to.origins.cend(); ++it)
        SpellOrigin::set(database, it.key(), it.value());
    transaction.commit();
    return true;
}
