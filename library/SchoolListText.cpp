#include "library/SchoolListText.h"

namespace SchoolListText {

QString build(const QStringList& names) {
    if (names.isEmpty())
        return QString();
    QString text = QStringLiteral("(");
    for (qsizetype i = 0; i < names.size(); ++i) {
        if (i > 0)
            text += QLatin1Char(',');
        QString quoted = names[i];
        quoted.replace(QLatin1Char('\''), QLatin1String("''"));
        text += QLatin1Char('\'') + quoted + QLatin1Char('\'');
    }
    return text + QLatin1Char(')');
}

bool parse(const QString& text, QStringList* names) {
    names->clear();
    const QString list = text.trimmed();
    if (list.isEmpty())
        return true;
    if (list.size() < 2 || list.front() != QLatin1Char('(') || list.back() != QLatin1Char(')'))
        return false;

    const qsizetype end = list.size() - 1;
    qsizetype i = 1;
    while (i < end) {
        if (list[i] != QLatin1Char('\''))
            return false;
        ++i;
        QString name;
        for (;;) {
            if (i >= end)
                return false; // unterminated name
            if (list[i] == QLatin1Char('\'')) {
                if (i + 1 < end && list[i + 1] == QLatin1Char('\'')) {
                    name += QLatin1Char('\'');
                    i += 2;
                    continue;
                }
                ++i;
                break;
            }
            name += list[i++];
        }
        names->append(name);
        if (i == end)
            return true;
        if (list[i] != QLatin1Char(',') || i + 1 == end)
            return false;
        ++i;
    }
    return false; // "()" holds no name
}

} // namespace SchoolListText
