#pragma once

#include <QString>

class Database;

// Which shipped catalogue a database holds: the version of the program that built it and a
// fingerprint of the catalogue's contents. The installed database carries its own; a user's
// copy carries the one of the catalogue it last took in. Both empty when the file has none.
struct CatalogueStamp {
    QString version;
    QString fingerprint;

    bool isEmpty() const { return version.isEmpty() && fingerprint.isEmpty(); }

    // Read from CatalogueInfo (an empty stamp for a database made before it existed).
    static CatalogueStamp read(const Database& database);
    // Written into CatalogueInfo (no transaction here).
    void write(Database& database) const;

    // Whether a copy that holds the catalogue `copy` should take in the installed `installed`:
    // the installed one is of a newer program, or of the same one with other contents. An older
    // program's catalogue is never brought in over a newer one.
    static bool isNewer(const CatalogueStamp& installed, const CatalogueStamp& copy);
};
