#include "ui/RecordSet.h"

#include "ui/TwError.h"

#include <QCoreApplication>
#include <QSet>

namespace {
const char* kSource = "RecordSet";
}

RecordSet::RecordSet(QStringList columns, QList<Row> rows)
    : m_columns(std::move(columns)), m_rows(std::move(rows)) {}

void RecordSet::moveLast() {
    m_position = m_rows.isEmpty() ? 0 : m_rows.size() - 1;
}

void RecordSet::moveNext() {
    if (eof())
        throw TwError(3021, kSource,
                      QCoreApplication::translate("RecordSet", "No current record."));
    ++m_position;
}

qsizetype RecordSet::columnIndex(const QString& column) const {
    // Callers nearly always spell the name as the query does: try that first.
    for (qsizetype i = 0; i < m_columns.size(); ++i) {
        if (m_columns[i] == column)
            return i;
    }
    for (qsizetype i = 0; i < m_columns.size(); ++i) {
        if (m_columns[i].compare(column, Qt::CaseInsensitive) == 0)
            return i;
    }
    throw TwError(
        3265, kSource,
        QCoreApplication::translate("RecordSet", "The field \"%1\" is not in this record set.")
            .arg(column));
}

QVariant RecordSet::value(const QString& column) const {
    return value(columnIndex(column));
}

QVariant RecordSet::value(qsizetype column) const {
    if (eof())
        throw TwError(3021, kSource,
                      QCoreApplication::translate("RecordSet", "No current record."));
    return m_rows[m_position].at(column);
}

QString RecordSet::text(const QString& column) const {
    return text(columnIndex(column));
}

QString RecordSet::text(qsizetype column) const {
    const QVariant v = value(column);
    return v.isNull() ? QString() : v.toString();
}

qsizetype RecordSet::fieldIndex(const QString& column) const {
    return columnIndex(column);
}

RecordSet RecordSet::whereEquals(const QString& column, const QString& value) const {
    const qsizetype index = columnIndex(column);
    QList<Row> kept;
    for (const Row& row : m_rows) {
        const QVariant& field = row[index];
        // Text fields are compared in place, without a copy.
        const bool equal = field.typeId() == QMetaType::QString
                               ? *static_cast<const QString*>(field.constData()) == value
                               : field.toString() == value;
        if (equal)
            kept.append(row);
    }
    return RecordSet(m_columns, std::move(kept));
}

RecordSet RecordSet::whereIn(const QString& column, const QStringList& values) const {
    const qsizetype index = columnIndex(column);
    const QSet<QString> wanted(values.begin(), values.end());
    QList<Row> kept;
    for (const Row& row : m_rows) {
        if (wanted.contains(row[index].toString()))
            kept.append(row);
    }
    return RecordSet(m_columns, std::move(kept));
}
