#include "app/LabelFitting.h"

#include "app/FittedLabel.h"

#include <QWidget>

LabelFitting::LabelFitting(QWidget *widget)
    : QLayout(widget)
{
    setObjectName(QStringLiteral("LabelFitting"));
    setSizeConstraint(QLayout::SetNoConstraint);
}

void LabelFitting::install(QWidget *widget)
{
    if (!widget->layout())
        new LabelFitting(widget);
}

void LabelFitting::invalidate()
{
    // Only the labels whose text changed are measured again, and only those showing.
    if (QWidget *owner = parentWidget())
        for (QObject *child : owner->children())
            if (auto *label = qobject_cast<FittedLabel *>(child))
                label->fitIfShown();
}
