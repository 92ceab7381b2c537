#include "dialogs/SpellForm.h"

#include "ui/Accessibility.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

using Field = SpellProblem::Field;

constexpr int kSchoolColumns = 4;

// Adds value to a list that lacks it (a stored spell's level or frequency the catalogue does
// not know), so the form shows the spell as it is and the rules say what is wrong with it.
void pickOrAdd(QComboBox* combo, const QString& value) {
    int row = combo->findData(value);
    if (row < 0 && !value.isEmpty()) {
        combo->addItem(value, value);
        row = combo->count() - 1;
    }
    combo->setCurrentIndex(row < 0 ? 0 : row);
}

} // namespace

SpellForm::SpellForm(const QString& title, const CatalogueSpell& spell,
                     const SpellFormCatalogue& catalogue, Save save, QWidget* parent)
    : QDialog(parent), m_catalogue(catalogue), m_save(std::move(save)),
      m_originalSchools(spell.schools) {
    setObjectName(QStringLiteral("SpellForm"));
    setWindowTitle(title);
    // A spell that has a name is shown with every problem at once; a new one only as its fields
    // are filled in.
    m_showAll = !spell.name.isEmpty();
    buildControls(spell);
    showProblems(
        checkSpell(this->spell(), m_catalogue.schools, m_catalogue.frequencies, m_catalogue.taken),
        false);
}

QWidget* SpellForm::addField(Field field, QWidget* control) {
    // The field with the line under it that says what is wrong with it.
    auto* box = new QWidget(this);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);
    column->addWidget(control);
    auto* problem = new QLabel(box);
    problem->setObjectName(QStringLiteral("lblProblem%1").arg(int(field)));
    problem->setTextFormat(Qt::PlainText);
    problem->setWordWrap(true);
    QPalette palette = problem->palette();
    palette.setColor(QPalette::WindowText, QColor(0xb0, 0x1c, 0x1c));
    problem->setPalette(palette);
    problem->hide();
    column->addWidget(problem);
    m_problemLabels.insert(int(field), problem);
    return box;
}

void SpellForm::buildControls(const CatalogueSpell& spell) {
    auto* layout = new QVBoxLayout(this);
    // One column of labels; the schools span both columns.
    auto* form = new QFormLayout;
    const auto addRow = [this, form](Field field, const QString& label, QWidget* control) {
        auto* caption = new QLabel(label, this);
        caption->setBuddy(control);
        form->addRow(caption, addField(field, control));
    };
    layout->addLayout(form);

    m_name = new QLineEdit(spell.name, this);
    m_name->setObjectName(QStringLiteral("txtSpellName"));
    addRow(Field::Name, tr("&Name:"), m_name);

    m_level = new QComboBox(this);
    m_level->setObjectName(QStringLiteral("cboSpellLevel"));
    for (int level = 1; level <= 9; ++level)
        m_level->addItem(QString::number(level), QString::number(level));
    pickOrAdd(m_level, spell.level);
    addRow(Field::Level, tr("&Level:"), m_level);

    m_frequency = new QComboBox(this);
    m_frequency->setObjectName(QStringLiteral("cboSpellFrequency"));
    for (const QString& frequency : std::as_const(m_catalogue.frequencies))
        m_frequency->addItem(frequency, frequency);
    pickOrAdd(m_frequency, spell.frequency);
    addRow(Field::Frequency, tr("&Frequency:"), m_frequency);

    m_schoolBox = new QGroupBox(tr("&Schools"), this);
    m_schoolBox->setObjectName(QStringLiteral("grpSpellSchools"));
    auto* grid = new QGridLayout(m_schoolBox);
    QStringList schools = m_catalogue.schools;
    for (const QString& school : spell.schools) {
        if (!school.isEmpty() && !schools.contains(school))
            schools << school; // unknown to the catalogue: shown so it can be taken off
    }
    for (const QString& school : std::as_const(schools)) {
        auto* check = new QCheckBox(school, m_schoolBox);
        check->setObjectName(QStringLiteral("chkSpellSchool"));
        check->setChecked(spell.schools.contains(school));
        const int index = int(m_schools.size());
        grid->addWidget(check, index / kSchoolColumns, index % kSchoolColumns);
        m_schools << check;
        connect(check, &QCheckBox::toggled, this, [this] { fieldEdited(Field::Schools); });
    }
    form->addRow(addField(Field::Schools, m_schoolBox));

    m_book = new QLineEdit(spell.book, this);
    m_book->setObjectName(QStringLiteral("txtSpellBook"));
    auto* books = new QCompleter(m_catalogue.books, m_book);
    books->setCaseSensitivity(Qt::CaseInsensitive);
    m_book->setCompleter(books);
    addRow(Field::Book, tr("&Book:"), m_book);
    m_page = new QLineEdit(spell.page, this);
    m_page->setObjectName(QStringLiteral("txtSpellPage"));
    addRow(Field::Page, tr("&Page:"), m_page);
    m_description = new QPlainTextEdit(spell.description, this);
    m_description->setObjectName(QStringLiteral("txtSpellDescription"));
    m_description->setTabChangesFocus(true);
    m_description->setMinimumHeight(m_description->fontMetrics().height() * 5);
    addRow(Field::Description, tr("&Description:"), m_description);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("buttons"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &SpellForm::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &SpellForm::reject);

    connect(m_name, &QLineEdit::textChanged, this, [this] { fieldEdited(Field::Name); });
    connect(m_level, &QComboBox::currentIndexChanged, this, [this] { fieldEdited(Field::Level); });
    connect(m_frequency, &QComboBox::currentIndexChanged, this,
            [this] { fieldEdited(Field::Frequency); });
    connect(m_book, &QLineEdit::textChanged, this, [this] { fieldEdited(Field::Book); });
    connect(m_page, &QLineEdit::textChanged, this, [this] { fieldEdited(Field::Page); });
    connect(m_description, &QPlainTextEdit::textChanged, this,
            [this] { fieldEdited(Field::Description); });

    nameControlsFromLabels(this);
    m_schoolBox->setAccessibleName(m_schoolBox->title().remove(QLatin1Char('&')));
    setMinimumWidth(fontMetrics().averageCharWidth() * 80);
}

CatalogueSpell SpellForm::spell() const {
    CatalogueSpell spell;
    spell.name = m_name->text().trimmed();
    spell.level = m_level->currentData().toString();
    spell.frequency = m_frequency->currentData().toString();
    // The schools kept keep their order (a spell's first school is the one lists show first);
    // schools added follow in the catalogue's order.
    QStringList checked;
    for (const QCheckBox* check : m_schools) {
        if (check->isChecked())
            checked << check->text();
    }
    for (const QString& school : m_originalSchools) {
        if (checked.contains(school) && !spell.schools.contains(school))
            spell.schools << school;
    }
    for (const QString& school : std::as_const(checked)) {
        if (!spell.schools.contains(school))
            spell.schools << school;
    }
    spell.book = m_book->text().trimmed();
    spell.page = m_page->text().trimmed();
    spell.description = m_description->toPlainText().trimmed();
    spell.hasDescription = true;
    return spell;
}

QString SpellForm::problemAt(Field field) const {
    const QLabel* label = m_problemLabels.value(int(field));
    return label && !label->isHidden() ? label->text() : QString();
}

void SpellForm::fieldEdited(Field field) {
    m_edited.insert(int(field));
    showProblems(
        checkSpell(spell(), m_catalogue.schools, m_catalogue.frequencies, m_catalogue.taken),
        false);
}

void SpellForm::showProblems(const QList<SpellProblem>& problems, bool alert) {
    QHash<int, QStringList> byField;
    for (const SpellProblem& problem : problems)
        byField[int(problem.field)] << problem.message;
    for (auto it = m_problemLabels.cbegin(); it != m_problemLabels.cend(); ++it) {
        QLabel* label = it.value();
        const bool shown = m_showAll || m_edited.contains(it.key());
        const QString text = shown ? byField.value(it.key()).join(QLatin1Char('\n')) : QString();
        QWidget* control = controlOf(Field(it.key()));
        if (label->text() != text || (alert && !text.isEmpty()))
            publishStatusText(label, text, alert);
        label->setVisible(!text.isEmpty());
        // A screen reader on the field reads what is wrong with it.
        control->setAccessibleDescription(text.isEmpty() ? control->accessibleName() : text);
    }
}

QWidget* SpellForm::controlOf(Field field) const {
    switch (field) {
    case Field::Name:
        return m_name;
    case Field::Level:
        return m_level;
    case Field::Frequency:
        return m_frequency;
    case Field::Schools:
        return m_schoolBox;
    case Field::Book:
        return m_book;
    case Field::Page:
        return m_page;
    case Field::Description:
        return m_description;
    }
    return m_name;
}

void SpellForm::accept() {
    m_showAll = true;
    QList<SpellProblem> problems =
        checkSpell(spell(), m_catalogue.schools, m_catalogue.frequencies, m_catalogue.taken);
    if (problems.isEmpty() && m_save && !m_save(spell(), &problems) && problems.isEmpty())
        return; // not stored, and the caller has said why
    showProblems(problems, true);
    if (!problems.isEmpty()) {
        QWidget* first = controlOf(problems.first().field);
        if (first == m_schoolBox && !m_schools.isEmpty())
            first = m_schools.first();
        first->setFocus(Qt::OtherFocusReason);
        return;
    }
    QDialog::accept();
}
