#include "controls/DecimalInputFilter.h"

#include <QKeyEvent>
#include <QLineEdit>

DecimalInputFilter::DecimalInputFilter(QObject *parent)
    : QObject(parent)
{ }

void DecimalInputFilter::attach(QLineEdit *edit)
{
    edit->installEventFilter(this);
}

bool DecimalInputFilter::accepts(const QString &fieldText, QChar typed)
{
    if (typed == u',')
        return !fieldText.contains(u',');
    return typed >= u'0' && typed <= u'9';
}

bool DecimalInputFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    auto *edit = qobject_cast<QLineEdit *>(watched);
    auto *key = static_cast<QKeyEvent *>(event);
    const QString text = key->text();
    if (!edit || text.isEmpty() || text.at(0).isNull())
        return false;
    // Control characters are editing keys (backspace, delete, enter) or shortcuts.
    if (text.size() == 1 && text.at(0).category() == QChar::Other_Control)
        return false;
    if (key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier))
        return false;
    for (QChar c : text)
        if (!accepts(edit->text(), c))
            return true;
    return false;
}
