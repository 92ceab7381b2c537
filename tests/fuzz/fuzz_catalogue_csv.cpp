// Fuzz target: a spells.csv file's bytes through the catalogue reader. Whatever the bytes, the
// reader either accepts every row or reports problems, each as "spells.csv:LINE: ..."; it never
// crashes.
#include "library/catalogue/Catalogue.h"

#include <QRegularExpression>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const QStringList schools = {"Fire", "Water", "Illusion", "Phantasm", "Lore's Edge"};
    static const QStringList frequencies = {"Common", "Rare", "Very Rare"};
    static const QRegularExpression located(QStringLiteral("^spells\\.csv:\\d+: .+"),
                                            QRegularExpression::DotMatchesEverythingOption);
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QStringList errors;
    const QList<CatalogueSpell> spells =
        parseSpells(bytes, QStringLiteral("spells.csv"), schools, frequencies, &errors);
    for (const QString& error : errors) {
        if (!located.match(error).hasMatch())
            std::abort(); // a problem without its line
    }
    for (const CatalogueSpell& spell : spells) {
        // An accepted row is a valid spell.
        if (spell.name.isEmpty() || spell.level.size() != 1 || spell.schools.isEmpty() ||
            !frequencies.contains(spell.frequency) || characterCount(spell.description) > 400)
            std::abort();
        for (const QString& school : spell.schools) {
            if (!schools.contains(school))
                std::abort();
        }
    }
    return 0;
}
