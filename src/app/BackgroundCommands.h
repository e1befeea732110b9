#pragma once

#include <QImage>
#include <QList>
#include <QObject>
#include <functional>

class CalculatorPage;
class Settings;

// The background commands of the calculator pages: load a picture file, remove the picture, keep
// it for the next start, and the start-up restore. On the cookbook page they do nothing.
class BackgroundCommands : public QObject
{
    Q_OBJECT

public:
    // current gives the calculator page showing, or nullptr on the cookbook page.
    BackgroundCommands(const QList<CalculatorPage *> &pages,
        std::function<CalculatorPage *()> current, QObject *parent);

    void Ladujtlo1Click();
    void Zapisztlo1Click();
    void Usuntlo1Click();

    // Every page's stored background. Pictures that cannot be read keep the built-in one and are
    // reported together, in one message.
    void restore(const Settings &settings);

    // A picture file as a page background: stretched (averaging) to the page's design size.
    // Throws AppError with the reader's message when the file is not a readable picture.
    static QImage loadFile(const QString &path);
    // JPEG, quality 90, baseline.
    static QByteArray jpegBytes(const QImage &picture);

private:
    QList<CalculatorPage *> m_pages;
    std::function<CalculatorPage *()> m_current;
};
