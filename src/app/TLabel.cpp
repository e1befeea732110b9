#include "app/TLabel.h"

#include <QEvent>

TLabel::TLabel(const QString &name, const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    setObjectName(name);
    setTextFormat(Qt::PlainText);
    fitText();
}

void TLabel::setText(const QString &text)
{
    if (text == QLabel::text())
        return;
    QLabel::setText(text);
    fitText();
}

void TLabel::fitText()
{
    const QString t = text();
    if (t.contains(u'\n') || t.contains(u'\r') || wordWrap()) {
        adjustSize();
        return;
    }
    // One line: the sum of the characters' advances is far cheaper than QLabel's text layout
    // (no shaping), and kerning only ever makes the drawn text narrower; two pixels spare.
    const QFontMetrics fm = fontMetrics();
    int width = 0;
    for (QChar c : t)
        width += fm.horizontalAdvance(c);
    const int m = 2 * (margin() + frameWidth());
    resize(width + m + (t.isEmpty() ? 0 : 2), fm.height() + m);
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
        fitText();
}
