#pragma once

#include "library/catalogue/TextDecoding.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

class Database;

// Adding spells to a database from a spells.csv-shaped file, and taking spells out, each all
// or nothing. Names compare as spellNameKey() says (letter case does not count). What the user
// adds, replaces or takes out is recorded (SpellOrigin), so an upgrade of the program leaves it
// as the user made it.

struct ImportOptions {
    bool replace = false; // a name already in the database gives way to the file's spell
    bool dryRun = false;  // check everything, write nothing
    TextEncoding encoding = TextEncoding::Utf8;
    // Called now and then while the rows are read, checked and written, with the steps done of
    // all there are (a row is read, checked, then written: three steps, two in a dry run), the
    // last time after the last row is written and before anything is kept. Returning false
    // cancels: nothing is written and the result says so.
    std::function<bool(qsizetype done, qsizetype total)> progress;
    // How the caller offers to replace a stored spell, for the message that refuses one without
    // it: the command line's --replace, or the import window's check box.
    enum class ReplaceOffered { CommandLineOption, CheckBox };
    ReplaceOffered replaceOffered = ReplaceOffered::CommandLineOption;
};

// What the import does, or would do, with one row of the file.
struct ImportRow {
    enum class Outcome { Add, Replace, Unchanged, Refused };
    int line = 0;
    QString name; // as the file gives it; empty when the row could not be split into fields
    Outcome outcome = Outcome::Refused;
    QString reason; // why a row is refused: the problem as errors gives it after "FILE:LINE: "
};

struct ImportResult {
    QStringList added;    // names as the file has them, in file order
    QStringList replaced; // likewise
    // With replace: spells the file has exactly as stored, neither written nor taken as the
    // user's (likewise)
    QStringList unchanged;
    // Every row of the file, in line order, refused ones too; empty when the file as a whole is
    // wrong (not text of the encoding, no spells header, empty).
    QList<ImportRow> rows;
    bool cancelled = false; // by the progress hook: nothing was written, errors is empty
};

// On any problem nothing is written, errors holds every one, as "FILE:LINE: ...", in line
// order, and added, replaced and unchanged are empty. A database of an earlier design is brought
// up to date in the same transaction (not in a dry run, which writes nothing at all).
ImportResult importSpells(Database& database, const QByteArray& bytes, const QString& fileName,
                          const ImportOptions& options, QStringList* errors);

// A name to take out and where it was given (line 0: on the command line).
struct GivenName {
    QString name;
    int line = 0;
};

// The names of a file: one a line, or, when the file starts with the header of spells.csv, its
// Name column (so the file an import read takes those spells out again). Problems as
// "FILE:LINE: ..." appended to errors.
QList<GivenName> readNameList(const QByteArray& bytes, const QString& fileName,
                              TextEncoding encoding, QStringList* errors);

// Takes the named spells out, all or nothing: a name that is no spell of the database is an
// error ("FILE:LINE: ..." for a name from a file) and nothing is removed. Returns the stored
// names of the spells taken out.
QStringList removeSpells(Database& database, const QList<GivenName>& names, const QString& fileName,
                         QStringList* errors);
