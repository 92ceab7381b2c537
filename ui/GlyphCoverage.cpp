#include "ui/GlyphCoverage.h"

#include <QFont>
#include <QFontDatabase>
#include <QHash>
#include <QRawFont>
#include <QStringList>

namespace {

// The installed fonts, opened once and in the order they are tried: the fonts the reports
// name first (they cover nearly every character a book holds), then every other family.
class InstalledFonts {
public:
    bool draws(char32_t character) {
        const auto known = m_answers.constFind(character);
        if (known != m_answers.cend())
            return *known;
        bool found = false;
        for (qsizetype i = 0; !found && i < familyCount(); ++i)
            found = font(i).supportsCharacter(character);
        m_answers.insert(character, found);
        return found;
    }

private:
    qsizetype familyCount() {
        if (m_families.isEmpty()) {
            m_families = {QStringLiteral("DejaVu Serif"), QStringLiteral("DejaVu Sans")};
            for (const QString& family : QFontDatabase::families()) {
                if (!m_families.contains(family))
                    m_families << family;
            }
        }
        return m_families.size();
    }
    const QRawFont& font(qsizetype index) {
        while (m_fonts.size() <= index) {
            QFont font(m_families.at(m_fonts.size()));
            // Only this family: no fallback to another font that would answer for it.
            font.setStyleStrategy(QFont::NoFontMerging);
            m_fonts << QRawFont::fromFont(font);
        }
        return m_fonts.at(index);
    }

    QStringList m_families;
    QList<QRawFont> m_fonts;
    QHash<char32_t, bool> m_answers;
};

InstalledFonts& installedFonts() {
    static InstalledFonts fonts;
    return fonts;
}

bool isInvisible(char32_t character) {
    // Variation selectors only choose among a character's forms; they have no glyph of their own.
    if ((character >= 0xfe00 && character <= 0xfe0f) ||
        (character >= 0xe0100 && character <= 0xe01ef))
        return true;
    switch (QChar::category(character)) {
    case QChar::Separator_Space:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
    case QChar::Other_Control:
    case QChar::Other_Format:
        return true;
    default:
        return false;
    }
}

} // namespace

namespace GlyphCoverage {

QStringList undrawable(const QString& text) {
    QStringList missing;
    for (const char32_t character : text.toUcs4()) {
        if (isInvisible(character) || installedFonts().draws(character))
            continue;
        const QString shown = QString::fromUcs4(&character, 1);
        if (!missing.contains(shown))
            missing << shown;
    }
    return missing;
}

QString codePoint(const QString& character) {
    const QList<uint> units = character.toUcs4();
    return units.isEmpty()
               ? QString()
               : QStringLiteral("U+%1").arg(units.first(), 4, 16, QLatin1Char('0')).toUpper();
}

} // namespace GlyphCoverage
