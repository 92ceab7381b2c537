#include "dialogs/SpellTableView.h"

#include "library/catalogue/SpellFilterModel.h"

#include <QAbstractItemDelegate>
#include <QHeaderView>

void SpellTableView::fitColumnsToContents() {
    const auto* filter = qobject_cast<const SpellFilterModel*>(model());
    if (!filter || !filter->spellModel()) {
        resizeColumnsToContents();
        return;
    }
    // Enough for a font in which a shorter text is wider than a longer one (capitals against
    // narrow letters).
    constexpr int kMeasured = 32;
    ensurePolished();
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const SpellTableModel* spells = filter->spellModel();
    const auto longest = spells->longestRows(kMeasured);
    for (int column = 0; column < SpellTableModel::ColumnCount; ++column) {
        if (isColumnHidden(column))
            continue;
        int content = 0;
        for (const int row : longest[size_t(column)]) {
            const QModelIndex index = filter->mapFromSource(spells->index(row, column));
            if (index.isValid())
                content =
                    qMax(content, itemDelegateForIndex(index)->sizeHint(option, index).width());
        }
        // As Qt's own fit: the grid line takes a pixel, and the header's text is never cut.
        if (showGrid())
            ++content;
        horizontalHeader()->resizeSection(
            column, qMax(content, horizontalHeader()->sectionSizeHint(column)));
    }
}
