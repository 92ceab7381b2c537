#pragma once

#include "library/GenerationForm.h"

#include <QList>
#include <QString>

// A form that keeps what a generation wrote to it.
class RecordingForm : public GenerationForm {
public:
    void setProgressMaximum(int maximum) override { progressMaximum = maximum; }
    void setProgressValue(int value) override { progress = value; }
    int progressValue() const override { return progress; }
    void setStatusText(int panel, const QString& text) override {
        (panel == 2 ? panel2 : panel3) = text;
        if (panel == 2)
            panel2History << text;
    }
    void appendSpellRow(const SpellRow& row) override { rows << row; }

    QStringList names() const {
        QStringList result;
        for (const SpellRow& row : rows)
            result << row.name;
        return result;
    }

    int progressMaximum = 0;
    int progress = 0;
    QString panel2;
    QString panel3;
    QStringList panel2History;
    QList<SpellRow> rows;
};
