#include "library/catalogue/SpellRules.h"

#include "library/SpellName.h"

#include <QCoreApplication>
#include <QSet>

namespace {

using Field = SpellProblem::Field;
using Code = SpellProblem::Code;

// The checks of one free-text field: no control character, no more than its limit. what is the
// field's name as the message says it.
void checkText(Field field, const QString& what, const QString& text, int limit,
               bool lineBreaksAllowed, QList<SpellProblem>* problems) {
    if (const std::optional<char16_t> control = firstControl(text, lineBreaksAllowed))
        problems->append(
            {field, Code::ControlCharacter,
             QCoreApplication::translate("catalogue", "the %1 holds a control character (%2)")
                 .arg(what, codePoint(*control))});
    const qsizetype length = characterCount(text);
    if (length > limit)
        problems->append({field, Code::TooLong,
                          QCoreApplication::translate(
                              "catalogue", "the %1 is %2 characters long, more than the %3 allowed")
                              .arg(what, QString::number(length), QString::number(limit))});
}

void checkName(const CatalogueSpell& spell, const TakenNames& taken,
               QList<SpellProblem>* problems) {
    if (spell.name.isEmpty()) {
        problems->append(
            {Field::Name, Code::Empty, QCoreApplication::translate("catalogue", "empty name")});
        return;
    }
    checkText(Field::Name, QCoreApplication::translate("catalogue", "name"), spell.name,
              SpellLimits::kName, false, problems);
    const TakenNames::Entry* first = taken.find(spell.name);
    if (!first)
        return;
    const QString name = printable(spell.name);
    const QString other = printable(first->name);
    const QString line = QString::number(first->line);
    if (spellNameKey(first->name) != spellNameKey(spell.name)) {
        problems->append({Field::Name, Code::NearName, nearNameMessage(spell.name, *first)});
    } else if (first->line == 0) {
        problems->append(
            {Field::Name, Code::SameName,
             QCoreApplication::translate("catalogue", "\"%1\" is already in the catalogue")
                 .arg(other)});
    } else if (first->name == spell.name) {
        problems->append(
            {Field::Name, Code::SameName,
             QCoreApplication::translate("catalogue", "duplicate name \"%1\" (first on line %2)")
                 .arg(name, line)});
    } else {
        problems->append({Field::Name, Code::SameName,
                          QCoreApplication::translate(
                              "catalogue", "\"%1\" differs from \"%2\" on line %3 only in letter "
                                           "case")
                              .arg(name, other, line)});
    }
}

void checkSchools(const QStringList& schools, const QStringList& knownSchools,
                  QList<SpellProblem>* problems) {
    if (schools.isEmpty()) {
        problems->append({Field::Schools, Code::NoSchool,
                          QCoreApplication::translate("catalogue", "no school")});
        return;
    }
    const QSet<QString> known(knownSchools.begin(), knownSchools.end());
    QSet<QString> seen;
    for (const QString& school : schools) {
        if (school.isEmpty())
            problems->append({Field::Schools, Code::EmptySchool,
                              QCoreApplication::translate("catalogue", "an empty school name")});
        else if (!known.isEmpty() && !known.contains(school))
            problems->append({Field::Schools, Code::UnknownSchool,
                              QCoreApplication::translate("catalogue", "unknown school \"%1\"")
                                  .arg(printable(school))});
        else if (seen.contains(school))
            problems->append({Field::Schools, Code::SchoolTwice,
                              QCoreApplication::translate("catalogue", "school \"%1\" given twice")
                                  .arg(printable(school))});
        seen.insert(school);
    }
}

} // namespace

void TakenNames::add(const QString& name, int line) {
    const QString key = nearNameKey(name);
    if (!m_byKey.contains(key))
        m_byKey.insert(key, {name, line});
}

void TakenNames::remove(const QString& name) {
    const auto it = m_byKey.constFind(nearNameKey(name));
    if (it != m_byKey.cend() && it->name == name)
        m_byKey.erase(it);
}

QString nearNameMessage(const QString& name, const TakenNames::Entry& taken) {
    if (taken.line > 0)
        return QCoreApplication::translate("catalogue",
                                           "\"%1\" differs from \"%2\" on line %3 only in "
                                           "letter case, hyphens, blanks or accents")
            .arg(printable(name), printable(taken.name), QString::number(taken.line));
    return QCoreApplication::translate("catalogue",
                                       "\"%1\" is too like \"%2\", already in the catalogue: "
                                       "names may not differ only in letter case, hyphens, "
                                       "blanks or accents")
        .arg(printable(name), printable(taken.name));
}

const TakenNames::Entry* TakenNames::find(const QString& name) const {
    const auto it = m_byKey.constFind(nearNameKey(name));
    return it == m_byKey.cend() ? nullptr : &*it;
}

QList<SpellProblem> checkSpell(const CatalogueSpell& spell, const QStringList& knownSchools,
                               const QStringList& knownFrequencies, const TakenNames& taken) {
    QList<SpellProblem> problems;
    checkName(spell, taken, &problems);
    static const QSet<QString> levels = {"1", "2", "3", "4", "5", "6", "7", "8", "9"};
    if (!levels.contains(spell.level))
        problems.append({Field::Level, Code::NotALevel,
                         QCoreApplication::translate("catalogue", "level \"%1\" is not 1 to 9")
                             .arg(printable(spell.level))});
    if (!knownFrequencies.isEmpty() && !knownFrequencies.contains(spell.frequency))
        problems.append({Field::Frequency, Code::UnknownFrequency,
                         QCoreApplication::translate("catalogue", "unknown frequency \"%1\"")
                             .arg(printable(spell.frequency))});
    checkSchools(spell.schools, knownSchools, &problems);
    checkText(Field::Book, QCoreApplication::translate("catalogue", "book"), spell.book,
              SpellLimits::kBook, false, &problems);
    checkText(Field::Page, QCoreApplication::translate("catalogue", "page"), spell.page,
              SpellLimits::kPage, false, &problems);
    checkText(Field::Description, QCoreApplication::translate("catalogue", "description"),
              spell.description, SpellLimits::kDescription, true, &problems);
    return problems;
}
