#pragma once

#include <QString>
#include <QtGlobal>

// The program-wide values the Options dialog edits and the level draw reads. Every run starts
// from these values; nothing is saved.
struct SharedSettings {
    // Default spells per level 1st to 9th for the "Custom (see Options)" volume; below 1 means
    // no default for that level.
    qint32 DefaultFirst = 0;
    qint32 DefaultSecond = 0;
    qint32 DefaultThird = 0;
    qint32 DefaultFourth = 0;
    qint32 DefaultFifth = 0;
    qint32 DefaultSixth = 0;
    qint32 DefaultSeventh = 0;
    qint32 DefaultEighth = 0;
    qint32 DefaultNinth = 0;
    bool LimitByFrequency = true;
    QString SpecialistPercent = QStringLiteral("50%");
    // The specialist share in tenths, 0 to 10.
    qint32 SpecialistPercentIndex = 5;

    // The default count of spell level 1..9; 0 for any other level.
    qint32 defaultFor(int level) const {
        const qint32 values[] = {DefaultFirst,   DefaultSecond, DefaultThird,
                                 DefaultFourth,  DefaultFifth,  DefaultSixth,
                                 DefaultSeventh, DefaultEighth, DefaultNinth};
        return level >= 1 && level <= 9 ? values[level - 1] : 0;
    }

    // The setting that holds the default count of spell level 1..9; nullptr for any other.
    qint32* defaultField(int level) {
        qint32* fields[] = {&DefaultFirst,   &DefaultSecond, &DefaultThird,
                            &DefaultFourth,  &DefaultFifth,  &DefaultSixth,
                            &DefaultSeventh, &DefaultEighth, &DefaultNinth};
        return level >= 1 && level <= 9 ? fields[level - 1] : nullptr;
    }
};
