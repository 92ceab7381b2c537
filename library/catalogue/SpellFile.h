#pragma once

#include "library/SpellCatalogue.h"
#include "library/catalogue/LineProblem.h"
#include "library/catalogue/SpellRules.h"
#include "library/catalogue/TextDecoding.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

// A spells.csv-shaped file: its header, then one spell a row, every row checked by checkSpell().

struct SpellFile {
    QList<CatalogueSpell> spells; // the good rows, in file order
    QList<LineProblem> problems;
    // The header was good and the rows were read: every problem is then one of a row. Otherwise
    // the file as a whole is wrong (not text of the encoding, no header, nothing but a header).
    bool rowsRead = false;
    // The name every row below the header gives (blanks around it dropped), refused rows too,
    // by the line the row starts on.
    QHash<int, QString> rowNames;
    // The reading was cancelled (see readSpellFile): spells and problems are incomplete.
    bool cancelled = false;
};

// Told how many of the rows below the header are read, now and then; returning false cancels.
using RowProgress = std::function<bool(qsizetype done, qsizetype total)>;

namespace CatalogueFiles {
// The header of spells.csv; the Description column is optional on import.
const QStringList& spellHeader();
} // namespace CatalogueFiles

// Reads the rows; knownSchools and knownFrequencies check those values (empty lists skip the
// check).
SpellFile readSpellFile(const QByteArray& bytes, const QStringList& knownSchools,
                        const QStringList& knownFrequencies,
                        TextEncoding encoding = TextEncoding::Utf8,
                        const RowProgress& progress = {});

// The good rows; every problem as "FILE:LINE: ..." appended to errors.
QList<CatalogueSpell> parseSpells(const QByteArray& bytes, const QString& fileName,
                                  const QStringList& knownSchools,
                                  const QStringList& knownFrequencies, QStringList* errors,
                                  TextEncoding encoding = TextEncoding::Utf8);
