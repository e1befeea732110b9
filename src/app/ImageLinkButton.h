#pragma once

#include "controls/PictureFile.h"

#include <QAbstractButton>
#include <QPixmap>

// A large picture button: its picture, a pressed picture, a light frame on hover.
class ImageLinkButton : public QAbstractButton
{
    Q_OBJECT

public:
    // The pictures are resource paths; the picture is decoded on a worker thread while the window
    // is built, the pressed one is read on the first press.
    ImageLinkButton(
        const QString &name, const QString &upPicture, const QString &downPicture, QWidget *parent);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    const QPixmap &up() const;

    mutable picturefile::Pending m_decoding;
    mutable QPixmap m_up;
    mutable QPixmap m_down;
    QString m_downPicture;
    bool m_hover = false;
};
