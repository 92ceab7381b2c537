#pragma once

#include "library/SpellCatalogue.h"
#include "library/SpellText.h"
#include "tools/catalogue/LineProblem.h"
#include "tools/catalogue/TextDecoding.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// A spells.csv-shaped file: its header, then one spell a row, every row checked.

struct SpellFile {
    QList<CatalogueSpell> spells; // the good rows, in file order
    QList<LineProblem> problems;
};

namespace CatalogueFiles {
// The header of spells.csv; the Description column is optional on import.
const QStringList& spellHeader();
} // namespace CatalogueFiles

// Reads the rows; knownSchools and knownFrequencies check those values (empty lists skip the
// check).
SpellFile readSpellFile(const QByteArray& bytes, const QStringList& knownSchools,
                        const QStringList& knownFrequencies,
                        TextEncoding encoding = TextEncoding::Utf8);

// The good rows; every problem as "FILE:LINE: ..." appended to errors.
QList<CatalogueSpell> parseSpells(const QByteArray& bytes, const QString& fileName,
                                  const QStringList& knownSchools,
                                  const QStringList& knownFrequencies, QStringList* errors,
                                  TextEncoding encoding = TextEncoding::Utf8);
