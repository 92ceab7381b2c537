#include "library/CasterClasses.h"

#include <QCoreApplication>
#include <QHash>

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

QString levelDisplayText(int level) {
    const int lastTwo = level % 100;
    QString pattern;
    switch (lastTwo < 11 || lastTwo > 13 ? level % 10 : 0) {
    case 1:
        // The level decides the form: French writes the first apart from the others ("1er",
        // "21e").
        pattern = QCoreApplication::translate(
            "CasterClasses", "%1st", "A caster level in the level list: 1st, 21st, 31st", level);
        break;
    case 2:
        pattern = QCoreApplication::translate("CasterClasses", "%1nd",
                                              "A caster level in the level list: 2nd, 22nd");
        break;
    case 3:
        pattern = QCoreApplication::translate("CasterClasses", "%1rd",
                                              "A caster level in the level list: 3rd, 23rd");
        break;
    default:
        pattern = QCoreApplication::translate("CasterClasses", "%1th",
                                              "A caster level in the level list: 4th, 11th, 30th");
        break;
    }
    return pattern.arg(level);
}

namespace {
// The classes and volumes as a person reads them, looked up by their stored text.
struct DisplayText {
    const char* text;
    const char* comment;
};

const QHash<QString, DisplayText>& displayTexts() {
    static const QHash<QString, DisplayText> texts = {
        {"MAGE", QT_TRANSLATE_NOOP3("CasterClasses", "MAGE",
                                    "The generalist caster class, written in capitals as the "
                                    "classic classes are")},
        {"ABJURER", QT_TRANSLATE_NOOP3("CasterClasses", "ABJURER",
                                       "A specialist caster class (of the school Abjuration)")},
        {"Alchemist", QT_TRANSLATE_NOOP3("CasterClasses", "Alchemist",
                                         "A specialist caster class (of the school Alchemy)")},
        {"Artificer", QT_TRANSLATE_NOOP3("CasterClasses", "Artificer",
                                         "A specialist caster class (of the school Artifice)")},
        {"Chronomancer",
         QT_TRANSLATE_NOOP3("CasterClasses", "Chronomancer",
                            "A specialist caster class (of the school Chronomancy)")},
        {"CONJURER", QT_TRANSLATE_NOOP3("CasterClasses", "CONJURER",
                                        "A specialist caster class (of the schools Conjuration and "
                                        "Summoning)")},
        {"Dimensionalist",
         QT_TRANSLATE_NOOP3("CasterClasses", "Dimensionalist",
                            "A specialist caster class (of the school Dimension)")},
        {"DIVINER", QT_TRANSLATE_NOOP3("CasterClasses", "DIVINER",
                                       "A specialist caster class (of the school Divination)")},
        {"ENCHANTER",
         QT_TRANSLATE_NOOP3("CasterClasses", "ENCHANTER",
                            "A specialist caster class (of the schools Enchantment and Charm)")},
        {"Elementalist - Air",
         QT_TRANSLATE_NOOP3("CasterClasses", "Elementalist - Air",
                            "A specialist caster class (of the element Air)")},
        {"Elementalist - Earth",
         QT_TRANSLATE_NOOP3("CasterClasses", "Elementalist - Earth",
                            "A specialist caster class (of the element Earth)")},
        {"Elementalist - Fire",
         QT_TRANSLATE_NOOP3("CasterClasses", "Elementalist - Fire",
                            "A specialist caster class (of the element Fire)")},
        {"Elementalist - Water",
         QT_TRANSLATE_NOOP3("CasterClasses", "Elementalist - Water",
                            "A specialist caster class (of the element Water)")},
        {"Force Mage", QT_TRANSLATE_NOOP3("CasterClasses", "Force Mage",
                                          "A specialist caster class (of the school Force)")},
        {"Geometer", QT_TRANSLATE_NOOP3("CasterClasses", "Geometer",
                                        "A specialist caster class (of the school Geometry)")},
        {"ILLUSIONIST",
         QT_TRANSLATE_NOOP3("CasterClasses", "ILLUSIONIST",
                            "A specialist caster class (of the schools Illusion and Phantasm)")},
        {"INVOKER", QT_TRANSLATE_NOOP3("CasterClasses", "INVOKER",
                                       "A specialist caster class (of the schools Invocation and "
                                       "Evocation)")},
        {"NECROMANCER", QT_TRANSLATE_NOOP3("CasterClasses", "NECROMANCER",
                                           "A specialist caster class (of the school Necromancy)")},
        {"Shadow Mage", QT_TRANSLATE_NOOP3("CasterClasses", "Shadow Mage",
                                           "A specialist caster class (of the school Shadow)")},
        {"TRANSMUTER", QT_TRANSLATE_NOOP3("CasterClasses", "TRANSMUTER",
                                          "A specialist caster class (of the school Alteration)")},
        {"Wild Mage", QT_TRANSLATE_NOOP3("CasterClasses", "Wild Mage",
                                         "A specialist caster class (of wild magic)")},
        {"Sparse (1-3 spells/ level)",
         QT_TRANSLATE_NOOP3("CasterClasses", "Sparse (1-3 spells/ level)",
                            "A spellbook volume: how many spells of each level it holds")},
        {"Low (2-5 spells/ level)",
         QT_TRANSLATE_NOOP3("CasterClasses", "Low (2-5 spells/ level)",
                            "A spellbook volume: how many spells of each level it holds")},
        {"Average (3-10 spells/ level)",
         QT_TRANSLATE_NOOP3("CasterClasses", "Average (3-10 spells/ level)",
                            "A spellbook volume: how many spells of each level it holds")},
        {"High (5-15 spells/ level)",
         QT_TRANSLATE_NOOP3("CasterClasses", "High (5-15 spells/ level)",
                            "A spellbook volume: how many spells of each level it holds")},
        {"Full (10-30 spells/ level)",
         QT_TRANSLATE_NOOP3("CasterClasses", "Full (10-30 spells/ level)",
                            "A spellbook volume: how many spells of each level it holds")},
        {"Custom (see Options)",
         QT_TRANSLATE_NOOP3("CasterClasses", "Custom (see Options)",
                            "A spellbook volume whose counts are set in Tools > Options")},
    };
    return texts;
}

QString displayText(const QString& stored) {
    const auto found = displayTexts().constFind(stored);
    if (found == displayTexts().constEnd())
        return stored;
    return QCoreApplication::translate("CasterClasses", found->text, found->comment);
}
} // namespace

QString classDisplayName(const QString& className) {
    return displayText(className);
}

QString volumeDisplayName(const QString& volumeName) {
    return displayText(volumeName);
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
