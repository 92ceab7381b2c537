#pragma once

#include "ui/TwError.h"

#include <QString>
#include <QStringList>

// A request for one book as the caster details give it, and its checks: the window and the
// command line make the same checks, in the same order, with the same messages.
struct BookRequest {
    QString casterName;
    qint32 casterLevel = 0; // 0: not chosen
    QString casterClass;
    qint32 volume = 0;           // volume code 1..6; 0: not chosen
    qint32 frequency = 0;        // FrequencyID of the rarest frequency; 0: not chosen
    qsizetype schoolCount = 0;   // the schools on offer
    QStringList excludedSchools; // the excluded ones, in list order, as listed
};

// The seven values a generation takes.
struct BookParameters {
    QString pIncludeCoreSchools;
    QString pExcludeSchools;
    QString pCasterName;
    qint32 pCasterLevel = 0;
    QString pCasterClass;
    qint32 pSpellbookVolume = 0;
    qint32 pSpellbookFrequency = 0;
};

// A failed check, with the detail it concerns (the window puts the focus there).
class RequestError : public TwError {
public:
    enum class Field { Schools, CoreSchools, Name, Level, Class, Volume, Frequency };
    RequestError(Field field, const char* source, const QString& message)
        : TwError(-1, QString::fromLatin1(source), message), m_field(field) {}
    Field field() const { return m_field; }

private:
    Field m_field;
};

// Checks the request in order and builds its parameters; throws RequestError.
BookParameters defineParameters(const BookRequest& request, const QStringList& coreSchools);
