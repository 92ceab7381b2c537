#include "library/CatalogueUpgrade.h"

#include "library/CatalogueStamp.h"
#include "library/SchemaUpgrade.h"
#include "library/SpellCatalogue.h"
#include "library/SpellName.h"
#include "ui/Database.h"
#include "ui/FileHash.h"
#include "ui/Transaction.h"
#include "ui/TwError.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <QSet>

namespace {

// The note beside a user's copy: the fingerprint (SHA-256) of the installed file it was last
// compared with.
QString notePath(const QString& copyPath) {
    return copyPath + QStringLiteral(".shipped");
}

QByteArray readNote(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().trimmed() : QByteArray();
}

} // namespace

CatalogueUpgradeResult CatalogueUpgrade::run(Database& copy, const Database& installed) {
    CatalogueUpgradeResult result;
    const CatalogueStamp installedStamp = CatalogueStamp::read(installed);
    if (!CatalogueStamp::isNewer(installedStamp, CatalogueStamp::read(copy)))
        return result;
    const Catalogue shipped = readCatalogueDatabase(installed);

    Transaction transaction(copy);
    SchemaUpgrade::apply(copy);
    const Catalogue current = readCatalogueDatabase(copy);
    const QHash<QString, QString> origins = SpellOrigin::read(copy);

    QHash<QString, const CatalogueSpell*> held; // the copy's spells by name key
    for (const CatalogueSpell& spell : current.spells)
        held.insert(spellNameKey(spell.name), &spell);
    QSet<QString> takenOut; // keys of shipped spells the user removed
    for (auto it = origins.cbegin(); it != origins.cend(); ++it) {
        if (it.value() == SpellOrigin::kRemoved)
            takenOut.insert(spellNameKey(it.key()));
    }

    for (const QString& school : shipped.schools) {
        if (!current.schools.contains(school))
            copy.execute(QStringLiteral("INSERT INTO [Sphere Names] (Sphere_Name) VALUES (?)"),
                         {school});
    }
    for (const CatalogueFrequency& frequency : shipped.frequencies) {
        const bool known =
            std::any_of(current.frequencies.cbegin(), current.frequencies.cend(),
                        [&](const CatalogueFrequency& f) { return f.name == frequency.name; });
        if (!known)
            copy.execute(QStringLiteral("INSERT INTO Frequency (Frequency, FrequencyID) VALUES "
                                        "(?, ?)"),
                         {frequency.name, frequency.id});
    }

    QSet<QString> shippedKeys;
    QSet<QString> own; // stored names of the user's spells
    for (const CatalogueSpell& spell : shipped.spells) {
        const QString key = spellNameKey(spell.name);
        shippedKeys.insert(key);
        const CatalogueSpell* mine = held.value(key);
        if (!mine) {
            if (takenOut.contains(key))
                continue;
            insertSpell(copy, spell);
            SpellOrigin::set(copy, spell.name, SpellOrigin::kShipped);
            result.added << spell.name;
            continue;
        }
        const QString origin = origins.value(mine->name);
        if (origin == SpellOrigin::kShipped) {
            if (sameSpell(*mine, spell))
                continue;
            deleteSpell(copy, mine->name);
            SpellOrigin::forget(copy, mine->name);
            insertSpell(copy, spell);
            SpellOrigin::set(copy, spell.name, SpellOrigin::kShipped);
            result.changed << spell.name;
        } else if (origin == SpellOrigin::kUser) {
            own.insert(mine->name);
        } else if (sameSpell(*mine, spell)) {
            // A copy from before origins were kept: exactly as shipped, so it is shipped.
            SpellOrigin::set(copy, mine->name, SpellOrigin::kShipped);
        } else {
            SpellOrigin::set(copy, mine->name, SpellOrigin::kUser);
            own.insert(mine->name);
        }
    }
    for (const CatalogueSpell& spell : current.spells) {
        if (shippedKeys.contains(spellNameKey(spell.name)))
            continue;
        const QString origin = origins.value(spell.name);
        if (origin == SpellOrigin::kShipped) {
            deleteSpell(copy, spell.name);
            SpellOrigin::forget(copy, spell.name);
            result.removed << spell.name;
            continue;
        }
        if (origin != SpellOrigin::kUser)
            SpellOrigin::set(copy, spell.name, SpellOrigin::kUser);
        own.insert(spell.name);
    }
    installedStamp.write(copy);
    transaction.commit();
    result.upgraded = true;
    result.ownKept = int(own.size());
    return result;
}

CatalogueUpgradeResult CatalogueUpgrade::refreshUserCopy(const QString& copyPath,
                                                         const QString& installedPath,
                                                         const QString& connectText) {
    if (QFileInfo(copyPath).canonicalFilePath() == QFileInfo(installedPath).canonicalFilePath())
        return {};
    const QByteArray fingerprint = FileHash::sha256Hex(installedPath);
    if (fingerprint.isEmpty() || readNote(notePath(copyPath)) == fingerprint)
        return {};
    CatalogueUpgradeResult result;
    {
        const Database installed(installedPath, connectText);
        Database copy(copyPath, connectText);
        result = run(copy, installed);
    }
    // Only a shortcut for the next start: when it cannot be written, that start compares again.
    QSaveFile note(notePath(copyPath));
    if (note.open(QIODevice::WriteOnly) && note.write(fingerprint + '\n') > 0)
        note.commit();
    return result;
}

QString CatalogueUpgrade::summary(const CatalogueUpgradeResult& result) {
    //: "this Tomewright's": the spells of the Tomewright just installed.
    QString text =
        QCoreApplication::translate("CatalogueUpgrade",
                                    "Your spell catalogue has taken in this Tomewright's: %n new "
                                    "spell(s), %1 changed, %2 taken out.",
                                    nullptr, int(result.added.size()))
            .arg(QString::number(result.changed.size()), QString::number(result.removed.size()));
    if (result.ownKept >= 1)
        //: The user's own (homebrew) spells; the one-spell form names no number.
        text += QCoreApplication::translate("CatalogueUpgrade",
                                            " Your own %n spell(s) are kept as they were.", nullptr,
                                            int(result.ownKept));
    return text;
}

QString CatalogueUpgrade::failureNote(const TwError& error) {
    return QCoreApplication::translate(
               "CatalogueUpgrade",
               "Your spell catalogue could not take in this Tomewright's spells and is "
               "used as it was: %1")
        .arg(error.description().trimmed());
}
