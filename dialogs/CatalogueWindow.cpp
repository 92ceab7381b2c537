#include "dialogs/CatalogueWindow.h"

#include "dialogs/SpellChangeCommand.h"
#include "dialogs/SpellTableView.h"
#include "library/SpellName.h"
#include "library/TW_Library.h"
#include "library/TextHash.h"
#include "library/catalogue/SpellFilterModel.h"
#include "library/catalogue/SpellTableModel.h"
#include "ui/Accessibility.h"
#include "ui/BusyCursor.h"
#include "ui/TwError.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QTableView>
#include <QUndoStack>
#include <QVBoxLayout>
#include <algorithm>
#include <unordered_set>

namespace {

QComboBox* comboWithAny(QWidget* parent, const QString& name) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->addItem(CatalogueWindow::tr("Any"), QVariant());
    return combo;
}

} // namespace

CatalogueWindow::CatalogueWindow(TW_Library& library,
                                 std::function<std::optional<PoolRequest>()> request,
                                 const QString& installedPath, QWidget* parent)
    : QWidget(parent, Qt::Window), m_library(library), m_request(std::move(request)),
      m_installedPath(installedPath) {
    setObjectName(QStringLiteral("Frm_Catalogue"));
    setWindowTitle(tr("Spell Catalogue"));
    m_model = new SpellTableModel(this);
    m_filter = new SpellFilterModel(this);
    m_filter->setSpellModel(m_model);
    buildControls();
    buildEditActions();
    reload();
    resize(1000, 640);
}

CatalogueWindow::~CatalogueWindow() {
    // The children outlive this class's part of the window: what they signal while being taken
    // apart (the undo stack cleared, the models reset) must not reach this window's slots.
    for (QObject* child : std::initializer_list<QObject*>{m_undo, m_filter, m_model}) {
        if (child)
            child->disconnect(this);
    }
}

void CatalogueWindow::buildControls() {
    auto* layout = new QVBoxLayout(this);

    auto* filters = new QHBoxLayout;
    auto* findLabel = new QLabel(tr("&Find:"), this);
    m_text = new QLineEdit(this);
    m_text->setObjectName(QStringLiteral("txtCatalogueFind"));
    m_text->setPlaceholderText(tr("Words of a name or description"));
    m_text->setClearButtonEnabled(true);
    // Wide enough for the whole hint in any language: a line edit's size hint is 17 "x" wide
    // plus its frame, margins and clear button.
    const QFontMetrics metrics = m_text->fontMetrics();
    m_text->setMinimumWidth(metrics.horizontalAdvance(m_text->placeholderText()) +
                            m_text->sizeHint().width() -
                            17 * metrics.horizontalAdvance(QLatin1Char('x')));
    findLabel->setBuddy(m_text);
    filters->addWidget(findLabel);
    filters->addWidget(m_text, 2);

    auto addCombo = [&](const QString& text, QComboBox* combo) {
        auto* label = new QLabel(text, this);
        label->setBuddy(combo);
        filters->addWidget(label);
        filters->addWidget(combo);
    };
    m_level = comboWithAny(this, QStringLiteral("cboCatalogueLevel"));
    for (int level = 1; level <= 9; ++level)
        m_level->addItem(QString::number(level), level);
    addCombo(tr("&Level:"), m_level);
    m_school = comboWithAny(this, QStringLiteral("cboCatalogueSchool"));
    addCombo(tr("&School:"), m_school);
    m_frequency = comboWithAny(this, QStringLiteral("cboCatalogueFrequency"));
    addCombo(tr("&Rarest:"), m_frequency);
    m_book = comboWithAny(this, QStringLiteral("cboCatalogueBook"));
    m_book->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_book->setMinimumContentsLength(12);
    addCombo(tr("&Book:"), m_book);
    m_origin = comboWithAny(this, QStringLiteral("cboCatalogueOrigin"));
    for (auto source : {SpellTableModel::SpellSource::Shipped, SpellTableModel::SpellSource::Yours,
                        SpellTableModel::SpellSource::ChangedByYou})
        m_origin->addItem(SpellTableModel::sourceText(source), int(source));
    addCombo(tr("&Origin:"), m_origin);
    layout->addLayout(filters);

    m_qualifies = new QCheckBox(tr("&Qualifies for the current book"), this);
    m_qualifies->setObjectName(QStringLiteral("chkQualifies"));
    m_qualifies->setToolTip(tr("Only the spells the main window's class, excluded schools and "
                               "rarest frequency can draw"));
    layout->addWidget(m_qualifies);
    m_pool = new QLabel(this);
    m_pool->setObjectName(QStringLiteral("lblPool"));
    m_pool->setWordWrap(true);
    m_pool->setTextFormat(Qt::PlainText);
    m_pool->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_pool->hide();
    layout->addWidget(m_pool);

    auto* splitter = new QSplitter(Qt::Vertical, this);
    m_table = new SpellTableView(splitter);
    m_table->setObjectName(QStringLiteral("tblCatalogue"));
    m_table->setAccessibleName(tr("Spells"));
    m_table->setModel(m_filter);
    m_table->setSortingEnabled(true);
    m_table->sortByColumn(SpellTableModel::Name, Qt::AscendingOrder);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setWordWrap(false);
    m_table->setTabKeyNavigation(false);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // Rows as high as a line of text, as in the main window's list.
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_description = new QPlainTextEdit(splitter);
    m_description->setObjectName(QStringLiteral("txtDescription"));
    m_description->setReadOnly(true);
    m_description->setAccessibleName(tr("Description of the selected spell"));
    m_description->setTabChangesFocus(true);
    splitter->setStretchFactor(0, 4);
    splitter->setStretchFactor(1, 1);
    layout->addWidget(splitter, 1);

    auto* bottom = new QHBoxLayout;
    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("lblCount"));
    m_message = new QLabel(this);
    m_message->setObjectName(QStringLiteral("lblMessage"));
    m_message->setTextFormat(Qt::PlainText);
    m_message->setWordWrap(true);
    bottom->addWidget(m_count);
    bottom->addWidget(m_message, 1);
    buildImportExportActions(bottom);
    layout->addLayout(bottom);

    m_typing.setSingleShot(true);
    m_typing.setInterval(200);
    connect(m_text, &QLineEdit::textChanged, &m_typing, qOverload<>(&QTimer::start));
    connect(&m_typing, &QTimer::timeout, this, [this] { applyFilters(); });
    connect(m_text, &QLineEdit::returnPressed, this, [this] {
        m_typing.stop();
        applyFilters();
    });
    // Down goes from the find box to the spells it found, as in a search field.
    auto* toResults = new QAction(m_text);
    toResults->setShortcut(Qt::Key_Down);
    toResults->setShortcutContext(Qt::WidgetShortcut);
    m_text->addAction(toResults);
    connect(toResults, &QAction::triggered, this, [this] {
        if (m_typing.isActive()) {
            m_typing.stop();
            applyFilters();
        }
        if (!m_table->currentIndex().isValid() && m_filter->rowCount() > 0)
            m_table->setCurrentIndex(m_filter->index(0, 0));
        m_table->setFocus(Qt::ShortcutFocusReason);
    });
    for (QComboBox* combo : {m_level, m_school, m_frequency, m_book, m_origin})
        connect(combo, &QComboBox::currentIndexChanged, this, [this] { applyFilters(); });
    connect(m_qualifies, &QCheckBox::toggled, this, [this] { applyQualifying(); });
    connect(m_filter, &QAbstractItemModel::rowsInserted, this, [this] { updateCount(); });
    connect(m_filter, &QAbstractItemModel::rowsRemoved, this, [this] { updateCount(); });
    connect(m_filter, &QAbstractItemModel::modelReset, this, [this] { updateCount(); });
    connect(m_filter, &QAbstractItemModel::layoutChanged, this, [this] { updateCount(); });
    connect(m_table->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { showSelectedDescription(); });

    nameControlsFromLabels(this);
    m_qualifies->setAccessibleName(m_qualifies->text().remove(QLatin1Char('&')));
}

void CatalogueWindow::reload() {
    try {
        BusyCursor busy;
        Database& database = m_library.database();
        m_dataVersion = database.snapshot(QStringLiteral("PRAGMA data_version"))
                            .value(qsizetype(0))
                            .toLongLong();
        QStringList origins;
        Catalogue catalogue = readCatalogueDatabase(database, &origins);
        readShippedNames();
        m_model->setCatalogue(std::move(catalogue), origins,
                              m_shippedKeys.value_or(QSet<QString>()));
        fillFilterLists();
        applyQualifying();
        if (!m_columnsFitted && m_model->rowCount() > 0) {
            // Once, so a width the user dragged stays; each column measures its longest texts,
            // not every spell (SpellTableView).
            m_table->fitColumnsToContents();
            m_columnsFitted = true;
        }
        updateCount();
        showSelectedDescription();
    } catch (const TwError& error) {
        showError(error.description().trimmed());
    } catch (const std::exception& error) {
        showError(QString::fromUtf8(error.what()).trimmed());
    }
}

void CatalogueWindow::readShippedNames() {
    if (m_shippedKeys)
        return;
    m_shippedKeys = QSet<QString>();
    const QFileInfo installed(m_installedPath);
    if (m_installedPath.isEmpty() || !installed.exists() ||
        installed.canonicalFilePath() == QFileInfo(m_library.database().path()).canonicalFilePath())
        return;
    try {
        const Database shipped(m_installedPath, TW_Library::kConnectText);
        RecordSet names = shipped.snapshot(QStringLiteral("SELECT Name FROM Spells"));
        for (; !names.eof(); names.moveNext())
            m_shippedKeys->insert(spellNameKey(names.text(qsizetype(0))));
    } catch (const TwError&) {
        // Without the installed catalogue every spell not recorded as shipped is the user's.
    }
}

void CatalogueWindow::fillFilterLists() {
    // Each list keeps what was picked in it, when it is still there.
    auto refill = [](QComboBox* combo, const QList<QPair<QString, QVariant>>& items) {
        const QVariant picked = combo->currentData();
        const QSignalBlocker blocker(combo);
        while (combo->count() > 1)
            combo->removeItem(1);
        for (const auto& item : items)
            combo->addItem(item.first, item.second);
        const int row = picked.isValid() ? combo->findData(picked) : 0;
        combo->setCurrentIndex(row < 0 ? 0 : row);
    };
    QList<QPair<QString, QVariant>> schools;
    for (const QString& school : m_model->schools())
        schools.append({school, school});
    refill(m_school, schools);
    QList<QPair<QString, QVariant>> frequencies;
    for (const CatalogueFrequency& frequency : m_model->frequencies())
        frequencies.append({frequency.name, frequency.id});
    refill(m_frequency, frequencies);
    QStringList books;
    std::unordered_set<QStringView, Utf16Hash> seen;
    const QString* last = nullptr;
    for (const SpellTableModel::Row& row : m_model->storedRows()) {
        // Spells of a book mostly lie together: the book of the spell before needs no look-up.
        const QString& book = row.spell.book;
        if (last && *last == book)
            continue;
        last = &book;
        if (!book.isEmpty() && seen.insert(book).second)
            books << book;
    }
    std::sort(books.begin(), books.end(), [](const QString& a, const QString& b) {
        return QString::localeAwareCompare(a, b) < 0;
    });
    QList<QPair<QString, QVariant>> bookItems;
    for (const QString& book : std::as_const(books))
        bookItems.append({book, book});
    refill(m_book, bookItems);
    applyFilters();
}

void CatalogueWindow::applyFilters() {
    m_filter->setText(m_text->text());
    m_filter->setLevel(m_level->currentData().toInt());
    m_filter->setSchool(m_school->currentData().toString());
    m_filter->setRarestFrequency(m_frequency->currentData().toLongLong());
    m_filter->setBook(m_book->currentData().toString());
    const QVariant origin = m_origin->currentData();
    m_filter->setSource(origin.isValid() ? origin.toInt() : -1);
    updateCount();
}

void CatalogueWindow::applyQualifying() {
    if (!m_qualifies->isChecked()) {
        m_filter->setQualifying(std::nullopt);
        m_pool->hide();
        m_pool->clear();
        updateCount();
        return;
    }
    const std::optional<PoolRequest> request = m_request ? m_request() : std::nullopt;
    if (!request) {
        m_filter->setQualifying(QSet<QString>());
        publishStatusText(m_pool,
                          tr("The main window has no complete request yet: choose a "
                             "class, a volume and a rarest frequency there."),
                          true);
        m_pool->show();
        updateCount();
        return;
    }
    try {
        BusyCursor busy;
        const QList<TW_Library::LevelPool> pools =
            m_library.RequestPool(request->includeCoreSchools, request->excludeSchools,
                                  request->casterClass, request->volume, request->frequency);
        const int highest =
            request->casterLevel > 0 ? TW_Library::highestSpellLevel(request->casterLevel) : 9;
        QSet<QString> names;
        QStringList lines;
        for (const TW_Library::LevelPool& pool : pools) {
            if (pool.level > highest)
                continue;
            for (const QString& name : pool.names)
                names.insert(name);
            const QString asks = pool.asksMinimum == pool.asksMaximum
                                     ? QString::number(pool.asksMinimum)
                                     : tr("%1\u2013%2").arg(pool.asksMinimum).arg(pool.asksMaximum);
            QString line = tr("Level %1: %2 qualify, %3 asks %4")
                               .arg(pool.level)
                               .arg(pool.qualifying)
                               .arg(request->volumeName, asks);
            if (pool.qualifying < pool.asksMinimum)
                line += tr(" (short)");
            lines << line;
        }
        m_filter->setQualifying(names);
        publishStatusText(m_pool, lines.join(QLatin1Char('\n')), false);
        m_pool->show();
    } catch (const TwError& error) {
        m_filter->setQualifying(QSet<QString>());
        publishStatusText(m_pool, error.description().trimmed(), true);
        m_pool->show();
    }
    updateCount();
}

void CatalogueWindow::showQualifying() {
    if (m_qualifies->isChecked())
        applyQualifying();
    else
        m_qualifies->setChecked(true);
}

void CatalogueWindow::updateCount() {
    const int shown = m_filter->rowCount();
    const int total = m_model->rowCount();
    const QString text =
        total == 1 ? tr("%1 of 1 spell").arg(shown) : tr("%1 of %2 spells").arg(shown).arg(total);
    if (m_count->text() != text)
        publishStatusText(m_count, text, false);
}

void CatalogueWindow::showSelectedDescription() {
    const QModelIndex current = m_table->currentIndex();
    if (!current.isValid()) {
        m_description->clear();
        return;
    }
    const SpellTableModel::Row& row = m_filter->spellAt(current.row());
    // Plain text: a description is never read as markup.
    m_description->setPlainText(row.spell.description);
}

void CatalogueWindow::showError(const QString& text) {
    publishStatusText(m_message, text, true);
}

QString CatalogueWindow::countText() const {
    return m_count->text();
}

QString CatalogueWindow::poolText() const {
    return m_pool->isVisible() || !m_pool->isHidden() ? m_pool->text() : QString();
}

QString CatalogueWindow::descriptionText() const {
    return m_description->toPlainText();
}

QString CatalogueWindow::messageText() const {
    return m_message->text();
}

bool CatalogueWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        // Another program (the command line) may have changed the catalogue meanwhile.
        try {
            const qint64 version = m_library.database()
                                       .snapshot(QStringLiteral("PRAGMA data_version"))
                                       .value(qsizetype(0))
                                       .toLongLong();
            if (version != m_dataVersion) {
                reload();
                emit catalogueChanged();
            }
        } catch (const std::exception& error) {
            showError(QString::fromUtf8(error.what()).trimmed());
        }
    }
    return QWidget::event(event);
}
