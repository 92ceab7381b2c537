#pragma once

#include <QTableView>

// The catalogue window's table of spells (a SpellFilterModel over a SpellTableModel).
class SpellTableView : public QTableView {
public:
    using QTableView::QTableView;

    // Fits each column to its longest texts, as resizeColumnsToContents() would fit it to every
    // text. Qt's own fit measures up to 1,000 rows a column through the delegate (18 ms at
    // 100,000 spells) and may miss the longest name among the rest; here the texts with the most
    // characters are found from the spells in one pass, and only they are measured.
    void fitColumnsToContents();
};
