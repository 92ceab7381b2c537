#pragma once

#include <QList>

// The entries still to be drawn at one level, in the order they were listed. Taking the entry
// at a position among those left, and removing a given entry, each cost O(log n), and what is
// left keeps its order: a draw by position picks what it would pick from a list that closes up
// after every take, without moving the list.
class DrawPool {
public:
    // entries are distinct numbers from 0 to keyCount - 1.
    DrawPool(QList<qint32> entries, qsizetype keyCount);

    qsizetype size() const { return m_left; }
    bool isEmpty() const { return m_left == 0; }
    // Removes and returns the entry at position index (0-based) among those left.
    qint32 takeAt(qsizetype index);
    // Removes entry when it is still in the pool.
    void remove(qint32 entry);

private:
    void markTaken(qsizetype position);

    QList<qint32> m_entries;
    QList<qsizetype> m_positionOf; // by entry; -1 when it was never listed or is taken
    QList<qsizetype> m_tree;       // counts of entries left, as a Fenwick tree over positions
    qsizetype m_left = 0;
};
