#pragma once

#include "library/SpellCatalogue.h"
#include "library/SpellText.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// The rules every spell of the catalogue keeps, checked the same way for a row of a CSV file and
// for the spell form of the window.

// One broken rule: the field it concerns (where the form shows it), what kind of problem it is
// (what callers and tests decide on) and the message in the user's language.
struct SpellProblem {
    enum class Field { Name, Level, Frequency, Schools, Book, Page, Description };
    enum class Code {
        Empty,            // no name
        ControlCharacter, // a character that would move a terminal's cursor or hide text
        TooLong,          // more characters than the field's limit
        SameName,         // the name is taken (letter case does not count)
        NearName,  // the name differs from a taken one only in case, hyphens, blanks, accents
        NotALevel, // not 1 to 9
        UnknownFrequency, // not a frequency of the catalogue
        NoSchool,
        EmptySchool,   // an empty name in the list of schools
        UnknownSchool, // not a school of the catalogue
        SchoolTwice,
    };
    Field field = Field::Name;
    Code code = Code::Empty;
    QString message;
};

// The names a new spell may not take, each with the line of the file it stands on (0: it is in
// the catalogue). Names are looked up by nearNameKey(), so a name that differs from a taken one
// only in letter case, hyphens, blanks or accents is found.
class TakenNames {
public:
    struct Entry {
        QString name;
        int line = 0;
    };

    // Keeps the first name of a key.
    void add(const QString& name, int line = 0);
    // Frees the name of exactly this spelling (the spell being edited keeps its own name).
    void remove(const QString& name);
    // The taken name that stands for this one, or nullptr.
    const Entry* find(const QString& name) const;

private:
    QHash<QString, Entry> m_byKey;
};

// The message for a name too like a taken one (not the same spell).
QString nearNameMessage(const QString& name, const TakenNames::Entry& taken);

// The problems of one spell, in the order of its fields (name, level, frequency, schools, book,
// page, description). knownSchools and knownFrequencies check those values (empty lists skip the
// check). The spell's schools are checked as given: empty entries and repeats are problems.
QList<SpellProblem> checkSpell(const CatalogueSpell& spell, const QStringList& knownSchools,
                               const QStringList& knownFrequencies, const TakenNames& taken);
