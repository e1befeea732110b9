#include "app/TForm2.h"

#include "platform/ErrorHandler.h"
#include "platform/Platform.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QUrl>

TForm2::TForm2(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("O programie"));
    setWindowFlags(
        Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(307, 169);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(10, 20, 105, 121);
    Image1->setFrameStyle(QFrame::Box | QFrame::Plain);
    Image1->setScaledContents(true);
    Image1->setPixmap(QPixmap(QStringLiteral(":/o_programie.jpg")));

    Label1 = new QLabel(QStringLiteral("Autor: Orvendal"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    // The face of the original design; the desktop substitutes a serif face where it is missing.
    QFont font(QStringLiteral("New Century Schoolbook"));
    font.setStyleHint(QFont::Serif);
    font.setPointSize(14);
    Label1->setFont(font);
    QPalette pal = Label1->palette();
    pal.setColor(QPalette::WindowText, QColor(0x80, 0, 0)); // maroon
    Label1->setPalette(pal);
    Label1->setCursor(Qt::PointingHandCursor);
    Label1->setToolTip(mailLink().toString());
    Label1->setFocusPolicy(Qt::TabFocus);
    Label1->setGeometry(128, 24, 170, 32);
    Label1->installEventFilter(this);

    Button1 = new QPushButton(QStringLiteral("Ok"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(307 - 75 - 16, 169 - 25 - 16, 75, 25);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, handler(this, &TForm2::Button1Click));
}

QUrl TForm2::mailLink()
{
    return QUrl(QStringLiteral("mailto:orvendal@solvarin.invalid?subject=Peklowanie%20mi%C4%99sa"));
}

void TForm2::Button1Click()
{
    accept();
}

void TForm2::Label1Click()
{
    Platform::get().openUrl(mailLink());
}

bool TForm2::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Label1) {
        const bool click = event->type() == QEvent::MouseButtonRelease;
        const bool key = event->type() == QEvent::KeyPress
            && (static_cast<QKeyEvent *>(event)->key() == Qt::Key_Space);
        if (click || key) {
            runGuarded([this] { Label1Click(); });
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
