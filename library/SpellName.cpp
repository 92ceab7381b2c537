#include "library/SpellName.h"

QString spellNameKey(const QString& name) {
    return name.trimmed().normalized(QString::NormalizationForm_C).toCaseFolded();
}

QString nearNameKey(const QString& name) {
    // Decomposed, an accented letter is its letter followed by the accent as a mark of its own.
    const QString decomposed = name.normalized(QString::NormalizationForm_D);
    QString key;
    key.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        if (c.isMark() || c.isSpace() || c.category() == QChar::Punctuation_Dash)
            continue;
        key += c;
    }
    return key.toCaseFolded();
}
