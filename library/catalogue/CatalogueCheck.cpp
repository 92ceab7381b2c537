#include "library/catalogue/CatalogueCheck.h"

#include "library/CasterClasses.h"
#include "library/SchoolCondition.h"
#include "library/SpellName.h"
#include "library/catalogue/Catalogue.h"
#include "ui/Database.h"

#include <QCoreApplication>
#include <QHash>
#include <QMap>
#include <QSet>

namespace {

// The default rarest frequency of a request.
const QString kDefaultFrequency = QStringLiteral("Very Rare");
// The rarest frequency that still counts as common for the coverage floor.
const QString kCommonFrequency = QStringLiteral("Uncommon");

void collect(Database& database, const QString& sql, const QString& what, QStringList* problems) {
    RecordSet rows = database.snapshot(sql);
    for (; !rows.eof(); rows.moveNext())
        *problems << what.arg(rows.text(qsizetype(0)),
                              rows.columns().size() > 1 ? rows.text(qsizetype(1)) : QString());
}

} // namespace

CatalogueReport checkCatalogue(Database& database) {
    CatalogueReport report;
    collect(database,
            QStringLiteral("SELECT Name, Lvl FROM Spells WHERE Lvl NOT IN "
                           "('1','2','3','4','5','6','7','8','9') ORDER BY Name"),
            QCoreApplication::translate("catalogue", "spell \"%1\": level \"%2\" is not 1 to 9"),
            &report.problems);
    collect(database,
            QStringLiteral("SELECT Spells.Name, Spells.Frequency FROM Spells LEFT JOIN Frequency "
                           "ON Frequency.Frequency = Spells.Frequency WHERE "
                           "Frequency.Frequency IS NULL ORDER BY Spells.Name"),
            QCoreApplication::translate("catalogue", "spell \"%1\": unknown frequency \"%2\""),
            &report.problems);
    collect(database,
            QStringLiteral("SELECT Name FROM Spells WHERE Name NOT IN (SELECT Name FROM "
                           "SpellandSphere) ORDER BY Name"),
            QCoreApplication::translate("catalogue", "spell \"%1\": no school%2"),
            &report.problems);
    collect(database,
            QStringLiteral("SELECT SpellandSphere.Name, SpellandSphere.Sphere FROM SpellandSphere "
                           "WHERE Sphere NOT IN (SELECT Sphere_Name FROM [Sphere Names]) "
                           "ORDER BY 1"),
            QCoreApplication::translate("catalogue",
                                        "spell \"%1\": school \"%2\" is not in the school list"),
            &report.problems);
    collect(
        database,
        QStringLiteral("SELECT Name FROM SpellandSphere WHERE Name NOT IN (SELECT Name FROM "
                       "Spells) GROUP BY Name ORDER BY Name"),
        QCoreApplication::translate("catalogue", "school rows name \"%1\", which is no spell%2"),
        &report.problems);

    const Catalogue catalogue = readCatalogueDatabase(database);
    // Names that are one spell as the catalogue tools compare them, or too alike to tell apart.
    QMap<QString, QStringList> spellings;
    for (const CatalogueSpell& spell : catalogue.spells)
        spellings[nearNameKey(spell.name)] << spell.name;
    for (const QStringList& names : std::as_const(spellings)) {
        if (names.size() < 2)
            continue;
        QStringList trimmed;
        QSet<QString> keys;
        for (const QString& name : names) {
            trimmed << name.trimmed();
            keys.insert(spellNameKey(name));
        }
        trimmed.removeDuplicates();
        const QString listed = trimmed.join(QStringLiteral("\", \""));
        if (trimmed.size() == 1)
            report.problems << QCoreApplication::translate("catalogue",
                                                           "spell \"%1\" is listed %2 times")
                                   .arg(trimmed.first(), QString::number(names.size()));
        else if (keys.size() == 1)
            report.problems << QCoreApplication::translate(
                                   "catalogue", "spells \"%1\" differ only in letter case")
                                   .arg(listed);
        else
            report.problems << QCoreApplication::translate(
                                   "catalogue", "spells \"%1\" differ only in letter case, "
                                                "hyphens, blanks or accents")
                                   .arg(listed);
    }
    report.spells = int(catalogue.spells.size());
    QHash<QString, qint64> frequencyIds;
    for (const CatalogueFrequency& frequency : catalogue.frequencies)
        frequencyIds.insert(frequency.name, frequency.id);
    if (!frequencyIds.contains(kDefaultFrequency)) {
        report.problems << QCoreApplication::translate("catalogue",
                                                       "the frequency \"%1\" is missing")
                               .arg(kDefaultFrequency);
        return report;
    }
    if (!frequencyIds.contains(kCommonFrequency))
        report.problems << QCoreApplication::translate("catalogue",
                                                       "the frequency \"%1\" is missing")
                               .arg(kCommonFrequency);
    const qint64 rarest = frequencyIds.value(kDefaultFrequency);
    const qint64 rarestCommon = frequencyIds.value(kCommonFrequency, 0);
    for (const CatalogueSpell& spell : catalogue.spells) {
        if (spell.description.trimmed().isEmpty())
            ++report.withoutDescription;
    }

    report.classes = CasterClasses::classNames();
    for (const QString& className : report.classes) {
        // The schools as the window marks them for this class on a fresh form.
        const QStringList excluded = CasterClasses::exclusionsFor(className, catalogue.schools);
        QStringList included;
        for (const QString& school : CasterClasses::coreSchools()) {
            if (!excluded.contains(school))
                included << school;
        }
        const bool specialist = className != CasterClasses::kGeneralist;
        const SchoolCondition condition(specialist, excluded, included);
        const QStringList specialty = CasterClasses::specialtySchools(className);

        QList<CoverageCell> levels(9);
        for (const CatalogueSpell& spell : catalogue.spells) {
            const int level = spell.level.toInt();
            if (level < 1 || level > 9 ||
                frequencyIds.value(spell.frequency, rarest + 1) > rarest ||
                !condition.passesAny(spell.schools))
                continue;
            CoverageCell& cell = levels[level - 1];
            ++cell.qualifying;
            for (const QString& school : spell.schools) {
                if (specialty.contains(school)) {
                    ++cell.specialty;
                    if (frequencyIds.value(spell.frequency) <= rarestCommon)
                        ++cell.commonSpecialty;
                    break;
                }
            }
        }
        for (int level = 1; level <= 9; ++level) {
            const CoverageCell& cell = levels[level - 1];
            const int minimum = specialist ? CoverageRule::kSpecialist : CoverageRule::kGeneralist;
            if (cell.qualifying < minimum)
                report.coverageFailures
                    << QCoreApplication::translate(
                           "catalogue", "%1, level %2: %3 spells to draw from, fewer than %4")
                           .arg(className)
                           .arg(level)
                           .arg(cell.qualifying)
                           .arg(minimum);
            if (specialist && cell.specialty < CoverageRule::kSpecialty)
                report.coverageFailures
                    << QCoreApplication::translate(
                           "catalogue", "%1, level %2: %3 specialty spells, fewer than %4")
                           .arg(className)
                           .arg(level)
                           .arg(cell.specialty)
                           .arg(CoverageRule::kSpecialty);
            if (specialist && cell.commonSpecialty < CoverageRule::kCommonSpecialty)
                report.coverageFailures
                    << QCoreApplication::translate(
                           "catalogue",
                           "%1, level %2: %3 Common or Uncommon specialty spells, fewer than %4")
                           .arg(className)
                           .arg(level)
                           .arg(cell.commonSpecialty)
                           .arg(CoverageRule::kCommonSpecialty);
        }
        report.coverage.insert(className, levels);
    }
    return report;
}

QString coverageTable(const CatalogueReport& report) {
    QString table = QStringLiteral("| class |");
    for (int level = 1; level <= 9; ++level)
        table += QStringLiteral(" %1 |").arg(level);
    table += QStringLiteral("\n|---|");
    for (int level = 1; level <= 9; ++level)
        table += QStringLiteral("---|");
    table += QLatin1Char('\n');
    for (const QString& className : report.classes) {
        table += QStringLiteral("| %1 |").arg(className);
        const bool specialist = className != CasterClasses::kGeneralist;
        for (const CoverageCell& cell : report.coverage.value(className)) {
            table += specialist
                         ? QStringLiteral(" %1 / %2 |").arg(cell.qualifying).arg(cell.specialty)
                         : QStringLiteral(" %1 |").arg(cell.qualifying);
        }
        table += QLatin1Char('\n');
    }
    return table;
}
