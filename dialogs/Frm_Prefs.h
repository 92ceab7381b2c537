#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class Frm_Prefs;
}
class QLineEdit;
struct SharedSettings;

// The Options dialog: the default spells per level of the custom volume and the specialist's
// share. It edits the shared settings it is given; nothing is written to disk.
class Frm_Prefs : public QDialog {
    Q_OBJECT

public:
    explicit Frm_Prefs(SharedSettings& settings, QWidget* parent = nullptr);
    ~Frm_Prefs() override;

    // The text reads as a number: optional sign, digits, optional decimal fraction.
    static bool isNumeric(const QString& text);

    void cmdApply_Click();

private:
    void Form_Load();
    bool allBoxesNumeric() const;
    QLineEdit* levelBox(int level) const;

    std::unique_ptr<Ui::Frm_Prefs> ui;
    SharedSettings& m_settings;
};
