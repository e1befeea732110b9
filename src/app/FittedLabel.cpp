#include "app/FittedLabel.h"

#include <QEvent>

FittedLabel::FittedLabel(const QString &name, const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    setObjectName(name);
    setTextFormat(Qt::PlainText);
}

void FittedLabel::fit()
{
    // Every label of a page is asked whenever one of them changes; an unchanged one still shares
    // its text with the fitted copy, which answers without comparing characters.
    const QString t = text();
    if (m_fontChanged || (t.constData() != m_fittedText.constData() && t != m_fittedText))
        fitNow();
}

void FittedLabel::fitIfShown()
{
    if (isVisible())
        fit();
}

void FittedLabel::fitNow()
{
    const QString t = text();
    m_fittedText = t;
    m_fontChanged = false;
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

void FittedLabel::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        m_fontChanged = true;
        fitIfShown();
    }
}

void FittedLabel::showEvent(QShowEvent *event)
{
    fit();
    QLabel::showEvent(event);
}
