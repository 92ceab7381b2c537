#pragma once

#include <QString>

// One row of the spell list: the spell and, as text, its level, frequency, schools (joined
// with ", "), book and page; and what the spell does (shown as the row's tool tip, empty when
// the catalogue has no description).
struct SpellRow {
    QString name;
    QString level;
    QString frequency;
    QString schools;
    QString book;
    QString page;
    QString description = QString();
    // Kept when the user re-rolls the book (the window's pins, and a saved book's).
    bool pinned = false;

    bool operator==(const SpellRow&) const = default;
};
