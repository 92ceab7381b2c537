#include "library/CatalogueStamp.h"

#include "ui/Database.h"

#include <QVersionNumber>

namespace {
const QString kVersion = QStringLiteral("Version");
const QString kFingerprint = QStringLiteral("Fingerprint");
} // namespace

CatalogueStamp CatalogueStamp::read(const Database& database) {
    CatalogueStamp stamp;
    if (database
            .snapshot(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND "
                                     "name = 'CatalogueInfo'"))
            .eof())
        return stamp;
    RecordSet rows = database.snapshot(QStringLiteral("SELECT Item, Value FROM CatalogueInfo"));
    for (; !rows.eof(); rows.moveNext()) {
        const QString item = rows.text(QStringLiteral("Item"));
        if (item == kVersion)
            stamp.version = rows.text(QStringLiteral("Value"));
        else if (item == kFingerprint)
            stamp.fingerprint = rows.text(QStringLiteral("Value"));
    }
    return stamp;
}

void CatalogueStamp::write(Database& database) const {
    const QString sql =
        QStringLiteral("INSERT OR REPLACE INTO CatalogueInfo (Item, Value) VALUES (?, ?)");
    database.execute(sql, {kVersion, version});
    database.execute(sql, {kFingerprint, fingerprint});
}

bool CatalogueStamp::isNewer(const CatalogueStamp& installed, const CatalogueStamp& copy) {
    if (installed.isEmpty())
        return false; // nothing says what the installed catalogue is: leave the copy alone
    if (copy.isEmpty())
        return true; // a copy made before catalogues were stamped
    const int order = QVersionNumber::compare(QVersionNumber::fromString(installed.version),
                                              QVersionNumber::fromString(copy.version));
    return order > 0 || (order == 0 && installed.fingerprint != copy.fingerprint);
}
