#pragma once

#include "library/SpellCatalogue.h"
#include "library/catalogue/SpellRules.h"

#include <QDialog>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

// What the spell form checks a spell against, as the store will: the catalogue's schools,
// frequencies and the names a spell may not take; its books are offered as the book is typed.
struct SpellFormCatalogue {
    QStringList schools;
    QStringList frequencies;
    TakenNames taken; // without the name of the spell being edited
    QStringList books;
};

// The form of one spell: name, level, frequency, schools, book, page and description, checked by
// the catalogue's rules as it is filled in, each problem shown under the field it concerns. It
// is accepted only once the spell keeps every rule and has been stored.
class SpellForm : public QDialog {
    Q_OBJECT

public:
    // Stores the spell: true when stored. When the store refuses it, false with the problems,
    // which the form shows; false without problems when storing failed otherwise (the caller
    // has told the user). Either way the form stays open with what was typed.
    using Save = std::function<bool(const CatalogueSpell& spell, QList<SpellProblem>* problems)>;

    SpellForm(const QString& title, const CatalogueSpell& spell,
              const SpellFormCatalogue& catalogue, Save save, QWidget* parent = nullptr);

    // The spell as the form holds it now.
    CatalogueSpell spell() const;
    // The message shown under a field now ("" when none).
    QString problemAt(SpellProblem::Field field) const;

    void accept() override;

private:
    void buildControls(const CatalogueSpell& spell);
    // The control in a box with the line under it that says what is wrong with it.
    QWidget* addField(SpellProblem::Field field, QWidget* control);
    void fieldEdited(SpellProblem::Field field);
    // Shows the problems of the fields a user has been to (every field after an attempt to
    // accept); alert: a screen reader reads them out.
    void showProblems(const QList<SpellProblem>& problems, bool alert);
    QWidget* controlOf(SpellProblem::Field field) const;

    SpellFormCatalogue m_catalogue;
    Save m_save;
    QStringList m_originalSchools; // the spell's schools in their order when the form opened
    bool m_showAll = false;
    QSet<int> m_edited; // SpellProblem::Field values

    QLineEdit* m_name = nullptr;
    QComboBox* m_level = nullptr;
    QComboBox* m_frequency = nullptr;
    QGroupBox* m_schoolBox = nullptr;
    QList<QCheckBox*> m_schools;
    QLineEdit* m_book = nullptr;
    QLineEdit* m_page = nullptr;
    QPlainTextEdit* m_description = nullptr;
    QHash<int, QLabel*> m_problemLabels; // by SpellProblem::Field
};
