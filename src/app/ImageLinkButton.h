#pragma once

#include <QAbstractButton>
#include <QPixmap>

// A large picture button: its picture, a pressed picture, a light frame on hover.
class ImageLinkButton : public QAbstractButton
{
    Q_OBJECT

public:
    ImageLinkButton(const QString &name, const QPixmap &up, const QPixmap &down, QWidget *parent);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    QPixmap m_up, m_down;
    bool m_hover = false;
};
