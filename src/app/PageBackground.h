#pragma once

#include <QImage>
#include <QWidget>
#include <future>

// The picture behind a calculator page's labels, stretched to the whole page. It may be empty.
// The stretched copy is kept, so that a repaint under a label only copies pixels.
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
    // Its stretched copy is made there too, once the page has its size.
    void prefetch();
    void clear();

signals:
    void contextMenuWanted(const QPoint &globalPos);
    void clicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    struct Prepared
    {
        QImage picture;
        QImage stretched;
    };
    // Waits for the worker, when one is at work, and keeps what it made.
    void takePrepared() const;

    mutable QImage m_picture;
    mutable QImage m_stretched;
    mutable QString m_pendingFile;
    mutable std::future<Prepared> m_preparing;
};
