#include "library/BookRequest.h"

#include <QCoreApplication>

#include "library/CasterClasses.h"
#include "library/SchoolListText.h"

BookParameters defineParameters(const BookRequest& request, const QStringList& coreSchools) {
    using Field = RequestError::Field;
    const char* kSource = "DefineParamterValues";
    BookParameters parameters;
    if (request.excludedSchools.size() == request.schoolCount)
        throw RequestError(Field::Schools, kSource,
                           QCoreApplication::translate(
                               "BookRequest", "You cannot request all Schools to be Excluded"));
    parameters.pExcludeSchools = SchoolListText::build(request.excludedSchools);

    const QString className = request.casterClass.trimmed();
    if (className != CasterClasses::kGeneralist && !className.isEmpty()) {
        QStringList included;
        for (const QString& school : coreSchools) {
            if (!request.excludedSchools.contains(school))
                included << school;
        }
        parameters.pIncludeCoreSchools = SchoolListText::build(included);
        if (parameters.pIncludeCoreSchools.trimmed().isEmpty())
            throw RequestError(Field::CoreSchools, "CreateCoreSchoolsString",
                               QCoreApplication::translate(
                                   "BookRequest", "You must include at least one Core School for a "
                                                  "Specialist"));
    }

    parameters.pCasterName = request.casterName.trimmed();
    if (parameters.pCasterName.isEmpty())
        throw RequestError(
            Field::Name, kSource,
            QCoreApplication::translate("BookRequest", "Caster Name is a required Field"));
    parameters.pCasterLevel = request.casterLevel;
    if (parameters.pCasterLevel == 0)
        throw RequestError(
            Field::Level, kSource,
            QCoreApplication::translate("BookRequest", "Caster Level is a required Field"));
    parameters.pCasterClass = className;
    if (parameters.pCasterClass.isEmpty())
        throw RequestError(
            Field::Class, kSource,
            QCoreApplication::translate("BookRequest", "Caster Class is a required Field"));
    parameters.pSpellbookVolume = request.volume;
    if (parameters.pSpellbookVolume == 0)
        throw RequestError(
            Field::Volume, kSource,
            QCoreApplication::translate("BookRequest", "Spellbook Volume is a required Field"));
    parameters.pSpellbookFrequency = request.frequency;
    if (parameters.pSpellbookFrequency == 0)
        throw RequestError(
            Field::Frequency, kSource,
            QCoreApplication::translate("BookRequest", "Frequency is a required Field"));
    return parameters;
}
