#pragma once

#include <QLabel>

// A caption that always fits its text, so layout code can measure it and nothing is clipped.
class TLabel : public QLabel
{
    Q_OBJECT

public:
    explicit TLabel(const QString &name, const QString &text, QWidget *parent);
    void setText(const QString &text);
    // The number after "Label" in the object name (0 for other names).
    int number() const;

protected:
    void changeEvent(QEvent *event) override;

private:
    void fitText();
};
