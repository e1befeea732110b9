#include "app/TForm7.h"

#include "app/RecipeView.h"
#include "core/Win1250.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>

TForm7::TForm7(QMenu *popupMenu, QWidget *mainWindow)
    : QWidget(mainWindow, Qt::Window)
    , m_mainWindow(mainWindow)
{
    setObjectName(QStringLiteral("TForm7"));
    resize(Width, Height);
    RichEdit1 = new RecipeView(QStringLiteral("RichEdit1"), this);
    RichEdit1->setPopupMenu(popupMenu);
    RichEdit1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(RichEdit1);
    connect(RichEdit1, &QTextEdit::selectionChanged, this, &TForm7::RichEdit1SelectionChange);
    PlaceDescriptionWindow();
}

void TForm7::PlaceDescriptionWindow()
{
    const QRect main = m_mainWindow->frameGeometry();
    QPoint topLeft(main.left() - frameGeometry().width(), main.top());
    const QScreen *screen = m_mainWindow->screen();
    if (screen && topLeft.x() < screen->availableGeometry().left())
        topLeft.setX(screen->availableGeometry().left());
    move(topLeft);
}

QString TForm7::selectionCodes(const QString &selected)
{
    QString codes;
    for (const char byte : win1250::encode(selected))
        codes += QString::number(static_cast<unsigned char>(byte)) + u'/';
    return codes;
}

void TForm7::RichEdit1SelectionChange()
{
    // The paragraph separator Qt puts into a selection across lines is a line break on disk.
    QString selected = RichEdit1->textCursor().selectedText();
    selected.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    const QString codes = selectionCodes(selected);
    if (!codes.isEmpty())
        setWindowTitle(codes);
}

void TForm7::closeEvent(QCloseEvent *event)
{
    event->accept();
    emit closed();
}
