#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The about box: the author and a link to write to him.
class TForm2 : public QDialog
{
    Q_OBJECT

public:
    explicit TForm2(QWidget *parent = nullptr);

    static QUrl mailLink();

    void Button1Click();
    void Label1Click();

    QLabel *Image1;
    QLabel *Label1;
    QPushButton *Button1;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
