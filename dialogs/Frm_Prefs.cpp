#include "dialogs/Frm_Prefs.h"

#include "library/SharedSettings.h"
#include "ui/Accessibility.h"
#include "ui/ComboBox.h"
#include "ui/MessageBox.h"
#include "ui_Frm_Prefs.h"

#include <QRegularExpression>
#include <cmath>
#include <limits>

Frm_Prefs::Frm_Prefs(SharedSettings& settings, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::Frm_Prefs>()), m_settings(settings) {
    ui->setupUi(this);
    nameControlsFromLabels(this);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    for (int level = 1; level <= 9; ++level) {
        QLineEdit* box = levelBox(level);
        // Typing looks only at the box that changed.
        connect(box, &QLineEdit::textChanged, this,
                [this, box] { ui->cmdApply->setEnabled(isNumeric(box->text())); });
    }
    connect(ui->cboPercent, &QComboBox::activated, this,
            [this] { ui->cmdApply->setEnabled(allBoxesNumeric()); });
    connect(ui->chkFrequency, &QCheckBox::clicked, this,
            [this] { ui->cmdApply->setEnabled(allBoxesNumeric()); });
    connect(ui->cmdApply, &QPushButton::clicked, this, [this] { cmdApply_Click(); });
    connect(ui->cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    Form_Load();
}

Frm_Prefs::~Frm_Prefs() = default;

QLineEdit* Frm_Prefs::levelBox(int level) const {
    QLineEdit* boxes[] = {ui->txtFirst, ui->txtSecond,  ui->txtThird, ui->txtFourth, ui->txtFifth,
                          ui->txtSixth, ui->txtSeventh, ui->txtEight, ui->txtNinth};
    return boxes[level - 1];
}

bool Frm_Prefs::isNumeric(const QString& text) {
    static const QRegularExpression number(QStringLiteral("^[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)$"));
    return number.match(text.trimmed()).hasMatch();
}

bool Frm_Prefs::allBoxesNumeric() const {
    for (int level = 1; level <= 9; ++level) {
        if (!isNumeric(levelBox(level)->text()))
            return false;
    }
    return true;
}

void Frm_Prefs::Form_Load() {
    for (int level = 1; level <= 9; ++level)
        levelBox(level)->setText(QString::number(m_settings.defaultFor(level)));
    ui->chkFrequency->setChecked(m_settings.LimitByFrequency);
    for (int tenth = 0; tenth <= 10; ++tenth)
        ui->cboPercent->addItem(QStringLiteral("%1%").arg(tenth * 10), tenth);
    pickComboRowByText(ui->cboPercent, m_settings.SpecialistPercent.isEmpty()
                                           ? QStringLiteral("50%")
                                           : m_settings.SpecialistPercent);
    ui->cmdApply->setEnabled(false);
}

void Frm_Prefs::cmdApply_Click() {
    // Every box is checked before anything is stored: a box that is not a whole number of
    // spells within range refuses the whole Apply.
    qint32 values[9] = {};
    for (int level = 1; level <= 9; ++level) {
        const QString text = levelBox(level)->text().trimmed();
        // The level as its label names it ("1st"), in the user's language.
        const QString name = levelBox(level)->accessibleName();
        if (!isNumeric(text)) {
            //: %1 is a spell level ("1st"), %2 what the user typed for it.
            MessageBox::show(this, tr("%1: \"%2\" is not a number.").arg(name, text));
            levelBox(level)->setFocus();
            return;
        }
        // Halves go to the even neighbour (the default rounding mode).
        const double rounded = std::nearbyint(text.toDouble());
        if (rounded < double(std::numeric_limits<qint32>::min()) ||
            rounded > double(std::numeric_limits<qint32>::max())) {
            MessageBox::show(this, tr("%1: %2 is too large a number of spells.").arg(name, text));
            levelBox(level)->setFocus();
            return;
        }
        values[level - 1] = qint32(rounded);
    }
    for (int level = 1; level <= 9; ++level)
        *m_settings.defaultField(level) = values[level - 1];
    if (ui->chkFrequency->isChecked())
        m_settings.LimitByFrequency = true;
    m_settings.SpecialistPercent = ui->cboPercent->currentText().trimmed();
    m_settings.SpecialistPercentIndex = ui->cboPercent->currentData().toInt();
    ui->cmdApply->setEnabled(false);
}
