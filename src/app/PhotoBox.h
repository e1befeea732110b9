#pragma once

#include <QFrame>
#include <QImage>

// The recipe's photo: a 357 x 213 picture in a 361 x 217 frame. A photo fills the height and
// keeps its proportions; a narrow one leaves equal margins, a wide one is cut on both sides.
class PhotoBox : public QFrame
{
    Q_OBJECT

public:
    static constexpr int PictureWidth = 357;
    static constexpr int PictureHeight = 213;

    explicit PhotoBox(const QString &name, QWidget *parent);

    // Shows the picture file, or empties the box when there is no file at path. A file that
    // cannot be read as a picture throws the loader's message and the box keeps its picture.
    void ShowPhoto(const QString &path);
    void clear();
    const QImage &picture() const { return m_picture; }

    // Where a picture of that size is drawn in the box (x may be negative: cut on both sides).
    static QRect fitRect(QSize picture, QSize box);

signals:
    // Any mouse button; x counts from the picture's left edge.
    void pressed(int x);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    QSize sizeHint() const override;

private:
    QImage m_picture;
};
