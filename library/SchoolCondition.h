#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

// Which school rows make a spell qualify for a book. A spell qualifies when any one of its
// schools passes: for the generalist, a school not excluded; for a specialist, a core school
// (one of the included ones) not excluded.
struct SchoolCondition {
    bool specialist = false;
    QSet<QString> excluded;
    QSet<QString> included;

    SchoolCondition() = default;
    SchoolCondition(bool isSpecialist, const QStringList& excludedSchools,
                    const QStringList& includedSchools)
        : specialist(isSpecialist), excluded(excludedSchools.begin(), excludedSchools.end()),
          included(includedSchools.begin(), includedSchools.end()) {}

    bool passes(const QString& school) const {
        if (excluded.contains(school))
            return false;
        return !specialist || included.contains(school);
    }

    bool passesAny(const QStringList& schools) const {
        for (const QString& school : schools) {
            if (passes(school))
                return true;
        }
        return false;
    }
};
