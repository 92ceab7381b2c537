#pragma once

#include <QList>
#include <QStringList>
#include <QVariant>
#include <QVector>

// A read-only snapshot of a query's rows, held in memory: the rows are fixed when the query
// runs, the count is always exact, and filtered copies are evaluated here, not as SQL text.
class RecordSet {
public:
    using Row = QVector<QVariant>;

    RecordSet() = default;
    RecordSet(QStringList columns, QList<Row> rows);

    // True when there is no current row; an empty set is at its end at once.
    bool eof() const { return m_position >= m_rows.size(); }
    void moveFirst() { m_position = 0; }
    void moveLast();
    void moveNext();
    qsizetype recordCount() const { return m_rows.size(); }

    // The current row's field by column name (letter case ignored, as the engine does).
    QVariant value(const QString& column) const;
    // The same field as text; an empty (NULL) field reads as the empty text.
    QString text(const QString& column) const;
    // The same by column position (see fieldIndex), for loops over many rows.
    QVariant value(qsizetype column) const;
    QString text(qsizetype column) const;
    // The position of a column; throws when the set has no such column.
    qsizetype fieldIndex(const QString& column) const;

    // The rows whose column equals value exactly, in this set's order.
    RecordSet whereEquals(const QString& column, const QString& value) const;
    // The rows whose column is one of values, in this set's order.
    RecordSet whereIn(const QString& column, const QStringList& values) const;

    const QStringList& columns() const { return m_columns; }

private:
    qsizetype columnIndex(const QString& column) const;

    QStringList m_columns;
    QList<Row> m_rows;
    qsizetype m_position = 0;
};
