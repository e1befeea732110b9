#include "TLabel.h"

#include <QEvent>

TLabel::TLabel(const QString &name, const QString &text, QWidget *parent) : QLabel(text, parent)
{
    setObjectName(name);
    setTextFormat(Qt::PlainText);
    adjustSize();
}

void TLabel::setText(const QString &text)
{
    QLabel::setText(text);
    adjustSize();
}

int TLabel::number() const
{
    const QString name = objectName();
    return name.startsWith(QLatin1String("Label")) ? name.mid(5).toInt() : 0;
}

void TLabel::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        adjustSize();
}
