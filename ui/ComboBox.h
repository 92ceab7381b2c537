#pragma once

#include <QString>
#include <QtGlobal>

class QComboBox;

// Picks the row whose text equals text exactly, as setting a list-only drop-down's text does;
// returns false and leaves the pick unchanged when no row has that text.
bool pickComboRowByText(QComboBox* combo, const QString& text);

// The item data of the picked row as a number, 0 when no row is picked.
qint32 pickedItemData(const QComboBox* combo);
