#pragma once

#include <QString>

// One row of the spell list: the spell and, as text, its level, frequency, schools (joined
// with ", "), book and page.
struct SpellRow {
    QString name;
    QString level;
    QString frequency;
    QString schools;
    QString book;
    QString page;

    bool operator==(const SpellRow&) const = default;
};
