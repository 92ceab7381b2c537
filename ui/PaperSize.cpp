#include "ui/PaperSize.h"

#include <QLocale>
#include <QPrinterInfo>

namespace PaperSize {

QPageSize userDefault() {
    // A printer's own default paper is what its owner set up; it wins over the locale.
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (!printer.isNull()) {
        const QPageSize paper = printer.defaultPageSize();
        if (paper.isValid())
            return paper;
    }
    return forLocale(QLocale::system());
}

QPageSize forLocale(const QLocale& locale) {
    // Where Letter is the usual office paper (the same list the Unicode locale data keeps).
    static const QList<QLocale::Territory> letterTerritories = {
        QLocale::UnitedStates, QLocale::Canada,     QLocale::Mexico,    QLocale::Belize,
        QLocale::Chile,        QLocale::Colombia,   QLocale::CostaRica, QLocale::ElSalvador,
        QLocale::Guatemala,    QLocale::Nicaragua,  QLocale::Panama,    QLocale::PuertoRico,
        QLocale::Venezuela,    QLocale::Philippines};
    const bool letter = letterTerritories.contains(locale.territory()) ||
                        locale.measurementSystem() == QLocale::ImperialUSSystem;
    return QPageSize(letter ? QPageSize::Letter : QPageSize::A4);
}

std::optional<QPageSize> fromName(const QString& name) {
    const QString wanted = name.trimmed();
    if (wanted.compare(QLatin1String("a4"), Qt::CaseInsensitive) == 0)
        return QPageSize(QPageSize::A4);
    if (wanted.compare(QLatin1String("letter"), Qt::CaseInsensitive) == 0)
        return QPageSize(QPageSize::Letter);
    return std::nullopt;
}

} // namespace PaperSize
