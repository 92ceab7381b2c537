#include "ui/Accessibility.h"

#include <QAccessible>
#include <QLabel>

void nameControlsFromLabels(QWidget* root) {
    for (QLabel* label : root->findChildren<QLabel*>()) {
        QWidget* control = label->buddy();
        if (!control)
            continue;
        QString name = label->text();
        name.remove(QLatin1Char('&'));
        name = name.trimmed();
        if (name.endsWith(QLatin1Char(':')))
            name.chop(1);
        control->setAccessibleName(name);
        control->setAccessibleDescription(control->toolTip().isEmpty() ? name : control->toolTip());
    }
}

void publishStatusText(QLabel* label, const QString& text, bool alert) {
    label->setText(text);
    label->setAccessibleName(text);
    QAccessibleEvent changed(label, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
    if (alert && !text.isEmpty()) {
        QAccessibleEvent announce(label, QAccessible::Alert);
        QAccessible::updateAccessibility(&announce);
    }
}
