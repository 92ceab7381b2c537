#include "library/SpellName.h"

QString spellNameKey(const QString& name) {
    return name.trimmed().normalized(QString::NormalizationForm_C).toCaseFolded();
}
