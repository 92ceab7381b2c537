#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The fixed vocabulary of caster classes and schools. Class and school texts are compared
// exactly, letter case included, after trimming blanks.
namespace CasterClasses {

// The generalist class.
inline const QString kGeneralist = QStringLiteral("MAGE");
// The school every class excludes, except the one class that keeps it.
inline const QString kWild = QStringLiteral("Wild");

// A caster level as the level list shows it: "1st", "2nd", "3rd", "4th" ... "21st" ... "30th".
QString levelText(int level);
inline constexpr int kHighestCasterLevel = 30;

// The level, class and volume texts above are what books, requests and the command line store
// and compare; the lists a person reads show them in the user's language.
QString levelDisplayText(int level);
QString classDisplayName(const QString& className);
QString volumeDisplayName(const QString& volumeName);

// The six volumes in list order; a volume's code is its position + 1.
const QStringList& volumeNames();

// The 21 classes in the order the class list shows them.
const QStringList& classNames();

// The twelve core schools, in their fixed order.
const QStringList& coreSchools();

// A class's school rule: the schools it excludes, then the schools it keeps, each in the order
// they are applied.
struct SchoolRule {
    QString className;
    QStringList excluded;
    QStringList kept;
};

// The rule of a class, or nullptr for a class without one (the generalist, "Dimensionalist",
// anything unknown).
const SchoolRule* schoolRuleFor(const QString& className);

// The specialty schools of a specialist class; empty for any other text.
QStringList specialtySchools(const QString& className);

// The schools a class excludes when picked on a fresh form: "Wild" first, then the class's
// own exclusions, minus what it keeps; in the order of allSchools.
QStringList exclusionsFor(const QString& className, const QStringList& allSchools);

} // namespace CasterClasses
