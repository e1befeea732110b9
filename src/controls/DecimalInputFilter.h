#pragma once

#include <QObject>

class QLineEdit;

// The typing rule of every numeric field: digits, backspace and one comma. Everything else typed
// (minus, full stop, blank, letters) is refused. Editing keys and the clipboard shortcuts pass:
// pasted text is not filtered, which is why every calculation parses defensively.
class DecimalInputFilter : public QObject
{
    Q_OBJECT

public:
    explicit DecimalInputFilter(QObject *parent = nullptr);
    void attach(QLineEdit *edit);

    // The rule itself: may this character be typed into a field holding this text?
    static bool accepts(const QString &fieldText, QChar typed);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
