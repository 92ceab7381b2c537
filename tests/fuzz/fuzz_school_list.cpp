// Fuzz target: school names (the bytes split at zero bytes) → list text → names again, and the
// condition a book uses finds exactly those names. No name, however odd, changes the list.
#include "library/SchoolCondition.h"
#include "library/SchoolListText.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QStringList names;
    for (const QByteArray& part :
         QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)).split('\0'))
        names << QString::fromUtf8(part);
    names.removeAll(QString()); // an empty name is no school
    QStringList parsed;
    if (!SchoolListText::parse(SchoolListText::build(names), &parsed) || parsed != names)
        std::abort();

    // Excluding exactly these names: each of them fails, a name that is not one of them passes.
    const SchoolCondition excluding(false, parsed, {});
    for (const QString& name : names) {
        if (excluding.passes(name))
            std::abort();
    }
    const QString other = names.join(QStringLiteral("|")) + QStringLiteral("#not-listed");
    if (!excluding.passes(other))
        std::abort();

    // Text that is not a list must be refused, never half read.
    QStringList ignored;
    const QString raw = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    if (SchoolListText::parse(raw, &ignored) && !raw.trimmed().isEmpty() &&
        SchoolListText::build(ignored) != raw.trimmed())
        std::abort();
    return 0;
}
