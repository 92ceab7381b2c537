#pragma once

#include <QString>
#include <QStringList>

class Database;
class TwError;

// What bringing the installed catalogue into a user's copy did.
struct CatalogueUpgradeResult {
    bool upgraded = false;
    QStringList added;   // shipped spells the copy did not have
    QStringList changed; // shipped spells the copy had in an earlier form
    QStringList removed; // shipped spells the installed catalogue no longer has
    int ownKept = 0;     // the user's own spells, all kept as they were
};

namespace CatalogueUpgrade {

// When the installed database holds a newer catalogue than the copy last took in
// (CatalogueStamp::isNewer), brings it in, all in one transaction of the copy (a failure
// leaves the copy as it was):
// - a shipped spell the copy lacks is added, one it holds as shipped is replaced by the new
//   form, and one the installed catalogue no longer has is taken out;
// - a spell the user added or replaced is never touched, and a shipped spell the user took out
//   is not brought back;
// - new schools and frequencies are added; the copy's own table design is brought up to date.
// A copy made before origins were kept counts a spell as shipped only when it is exactly as
// the installed catalogue has it; every other spell is kept as the user's.
CatalogueUpgradeResult run(Database& copy, const Database& installed);

// At start-up, for the user's copy of the installed database: run() when the installed file is
// not the one last compared with the copy (a note beside the copy keeps its fingerprint, so an
// unchanged install opens neither database). Nothing when the two paths are the same file.
CatalogueUpgradeResult refreshUserCopy(const QString& copyPath, const QString& installedPath,
                                       const QString& connectText);

// For the user, e.g. "Your spell catalogue has taken in this Tomewright's: 2 new spells, 1
// changed, 0 taken out. Your own 3 spells are kept as they were."
QString summary(const CatalogueUpgradeResult& result);

// For the user, when bringing the catalogue in failed and the copy is used as it was.
QString failureNote(const TwError& error);

} // namespace CatalogueUpgrade
