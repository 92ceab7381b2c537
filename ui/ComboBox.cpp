#include "ui/ComboBox.h"

#include <QComboBox>

bool pickComboRowByText(QComboBox* combo, const QString& text) {
    const int row = combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (row < 0)
        return false;
    combo->setCurrentIndex(row);
    return true;
}

qint32 pickedItemData(const QComboBox* combo) {
    const int row = combo->currentIndex();
    return row < 0 ? 0 : qint32(combo->itemData(row).toLongLong());
}

bool pickComboRowByData(QComboBox* combo, const QVariant& data) {
    const int row = combo->findData(data);
    if (row < 0)
        return false;
    combo->setCurrentIndex(row);
    return true;
}
