#include "library/DrawPool.h"

DrawPool::DrawPool(QList<qint32> entries, qsizetype keyCount)
    : m_entries(std::move(entries)), m_positionOf(keyCount, -1), m_tree(m_entries.size() + 1, 0),
      m_left(m_entries.size()) {
    for (qsizetype position = 0; position < m_entries.size(); ++position)
        m_positionOf[m_entries[position]] = position;
    // Every position holds one entry: each node counts the positions it covers.
    for (qsizetype node = 1; node < m_tree.size(); ++node)
        m_tree[node] = node & -node;
}

qint32 DrawPool::takeAt(qsizetype index) {
    Q_ASSERT(index >= 0 && index < m_left);
    // Descend the tree to the position whose entry has exactly index entries left before it.
    qsizetype node = 0;
    qsizetype before = index;
    qsizetype step = 1;
    while (step * 2 < m_tree.size())
        step *= 2;
    for (; step > 0; step /= 2) {
        if (node + step < m_tree.size() && m_tree[node + step] <= before) {
            node += step;
            before -= m_tree[node];
        }
    }
    const qint32 entry = m_entries[node]; // node is the 0-based position
    markTaken(node);
    return entry;
}

void DrawPool::remove(qint32 entry) {
    if (entry < 0 || entry >= m_positionOf.size() || m_positionOf[entry] < 0)
        return;
    markTaken(m_positionOf[entry]);
}

void DrawPool::markTaken(qsizetype position) {
    m_positionOf[m_entries[position]] = -1;
    for (qsizetype node = position + 1; node < m_tree.size(); node += node & -node)
        --m_tree[node];
    --m_left;
}
