#include "library/CasterClasses.h"

namespace CasterClasses {

QString levelText(int level) {
    const int lastTwo = level % 100;
    QString suffix = QStringLiteral("th");
    if (lastTwo < 11 || lastTwo > 13) {
        switch (level % 10) {
        case 1:
            suffix = QStringLiteral("st");
            break;
        case 2:
            suffix = QStringLiteral("nd");
            break;
        case 3:
            suffix = QStringLiteral("rd");
            break;
        default:
            break;
        }
    }
    return QString::number(level) + suffix;
}

const QStringList& volumeNames() {
    static const QStringList names = {
        "Sparse (1-3 spells/ level)", "Low (2-5 spells/ level)",    "Average (3-10 spells/ level)",
        "High (5-15 spells/ level)",  "Full (10-30 spells/ level)", "Custom (see Options)",
    };
    return names;
}

const QStringList& classNames() {
    static const QStringList names = {
        "MAGE",
        "ABJURER",
        "Alchemist",
        "Artificer",
        "Chronomancer",
        "CONJURER",
        "Dimensionalist",
        "DIVINER",
        "ENCHANTER",
        "Elementalist - Air",
        "Elementalist - Earth",
        "Elementalist - Fire",
        "Elementalist - Water",
        "Force Mage",
        "Geometer",
        "ILLUSIONIST",
        "INVOKER",
        "NECROMANCER",
        "Shadow Mage",
        "TRANSMUTER",
        "Wild Mage",
    };
    return names;
}

const QStringList& coreSchools() {
    static const QStringList schools = {
        "Abjuration", "Alteration", "Charm",      "Conjuration", "Divination", "Enchantment",
        "Evocation",  "Illusion",   "Invocation", "Necromancy",  "Phantasm",   "Summoning",
    };
    return schools;
}

namespace {
const QList<SchoolRule>& schoolRules() {
    static const QList<SchoolRule> rules = {
        {"ABJURER", {"Alteration", "Illusion"}, {"Abjuration"}},
        {"Alchemist", {"Phantasm", "Illusion", "Necromancy"}, {"Alchemy"}},
        {"Artificer", {"Enchantment", "Charm", "Necromancy"}, {"Artifice"}},
        {"Chronomancer", {}, {"Chronomancy"}},
        {"CONJURER", {"Invocation", "Evocation", "Divination"}, {"Conjuration", "Summoning"}},
        {"DIVINER", {"Conjuration", "Summoning"}, {"Divination"}},
        {"ENCHANTER", {"Invocation", "Evocation", "Necromancy"}, {"Enchantment", "Charm"}},
        {"Elementalist - Air", {"Earth"}, {"Air"}},
        {"Elementalist - Earth", {"Air"}, {"Earth"}},
        {"Elementalist - Fire", {"Water"}, {"Fire"}},
        {"Elementalist - Water", {"Fire"}, {"Water"}},
        {"Force Mage", {"Divination", "Alteration"}, {"Force"}},
        {"Geometer", {"Enchantment", "Charm", "Illusion", "Phantasm"}, {"Geometry"}},
        {"ILLUSIONIST",
         {"Evocation", "Invocation", "Abjuration", "Necromancy"},
         {"Illusion", "Phantasm"}},
        {"INVOKER",
         {"Enchantment", "Charm", "Conjuration", "Summoning"},
         {"Invocation", "Evocation"}},
        {"NECROMANCER", {"Illusion", "Enchantment", "Charm"}, {"Necromancy"}},
        {"Shadow Mage", {"Abjuration", "Invocation", "Evocation"}, {"Shadow"}},
        {"TRANSMUTER", {"Abjuration", "Necromancy"}, {"Alteration"}},
        {"Wild Mage", {}, {"Wild"}},
    };
    return rules;
}
} // namespace

const SchoolRule* schoolRuleFor(const QString& className) {
    const QString trimmed = className.trimmed();
    for (const SchoolRule& rule : schoolRules()) {
        if (rule.className == trimmed)
            return &rule;
    }
    return nullptr;
}

QStringList specialtySchools(const QString& className) {
    const QString trimmed = className.trimmed();
    if (trimmed == QLatin1String("Dimensionalist"))
        return {QStringLiteral("Dimension")};
    if (trimmed == kGeneralist)
        return {};
    const SchoolRule* rule = schoolRuleFor(trimmed);
    return rule ? rule->kept : QStringList();
}

QStringList exclusionsFor(const QString& className, const QStringList& allSchools) {
    QStringList excluded = {kWild};
    if (const SchoolRule* rule = schoolRuleFor(className)) {
        for (const QString& school : rule->excluded) {
            if (!excluded.contains(school))
                excluded << school;
        }
        for (const QString& school : rule->kept)
            excluded.removeAll(school);
    }
    QStringList ordered;
    for (const QString& school : allSchools) {
        if (excluded.contains(school.trimmed()))
            ordered << school;
    }
    return ordered;
}

} // namespace CasterClasses
