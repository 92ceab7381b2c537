#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

class Database;

// What "catalogue check" finds in a spell database: broken rows, and how many spells each class
// can draw at each spell level.
struct CoverageCell {
    int qualifying = 0;      // spells the class can draw at the default rarest frequency
    int specialty = 0;       // of those, spells of the class's specialty schools
    int commonSpecialty = 0; // of those specialty spells, the Common and Uncommon ones
};

struct CatalogueReport {
    QStringList problems;                        // integrity: each broken row, in words
    QStringList coverageFailures;                // each class and level below its minimum
    QStringList classes;                         // in class-list order
    QMap<QString, QList<CoverageCell>> coverage; // class -> levels 1..9
    int spells = 0;
    int withoutDescription = 0;

    bool passed() const { return problems.isEmpty() && coverageFailures.isEmpty(); }
};

// The minimum a catalogue must offer at every spell level. A Full book at the default half of
// specialty spells wants up to 15 of them a level, so every specialist has at least 12, and a
// few of them common enough to turn up in books that stop at "Uncommon".
struct CoverageRule {
    static constexpr int kGeneralist = 30;
    static constexpr int kSpecialist = 20;
    static constexpr int kSpecialty = 12;
    static constexpr int kCommonSpecialty = 3;
};

CatalogueReport checkCatalogue(Database& database);

// The coverage table as Markdown: one row per class, "qualifying / specialty" per level.
QString coverageTable(const CatalogueReport& report);
