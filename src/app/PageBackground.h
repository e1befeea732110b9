#pragma once

#include "controls/PictureFile.h"

#include <QImage>
#include <QWidget>

// The picture behind a calculator page's labels, stretched to the whole page. It may be empty.
class PageBackground : public QWidget
{
    Q_OBJECT

public:
    explicit PageBackground(const QString &name, QWidget *parent);

    // The size of the built-in pictures; a picture loaded from a file is stretched to it.
    static constexpr QSize DesignSize {689, 469};

    const QImage &picture() const;
    bool isEmpty() const { return picture().isNull(); }
    void setPicture(const QImage &picture);
    // A picture file read only when first needed: hidden pages cost nothing at start.
    void setPictureFile(const QString &path);
    // Starts decoding the waiting picture file now, on a worker thread: for the page shown first.
    void prefetch();
    void clear();

signals:
    void contextMenuWanted(const QPoint &globalPos);
    void clicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    mutable QImage m_picture;
    mutable QString m_pendingFile;
    mutable picturefile::Pending m_decoding;
};
