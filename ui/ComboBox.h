#pragma once

#include <QString>
#include <QVariant>

class QComboBox;

// Picks the row whose text equals text exactly, as setting a list-only drop-down's text does;
// returns false and leaves the pick unchanged when no row has that text.
bool pickComboRowByText(QComboBox* combo, const QString& text);

// The item data of the picked row as a number, 0 when no row is picked.
qint32 pickedItemData(const QComboBox* combo);

// Picks the first row whose item data (Qt::UserRole) equals data, for a list that shows one
// text and keeps another; returns false and leaves the pick unchanged when no row has it.
bool pickComboRowByData(QComboBox* combo, const QVariant& data);
