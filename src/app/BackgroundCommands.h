#pragma once

#include <QImage>
#include <QList>
#include <QObject>
#include <QStringList>
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
    BackgroundCommands(std::function<CalculatorPage *()> current, QObject *parent);

    void Ladujtlo1Click();
    void Zapisztlo1Click();
    void Usuntlo1Click();

    // The pages' stored backgrounds. Pictures that cannot be read keep the built-in one; their
    // messages are returned, for the caller to report together.
    static QStringList restore(const Settings &settings, const QList<CalculatorPage *> &pages);

    // A picture file as a page background: stretched (averaging) to the page's design size.
    // Throws AppError with the reader's message when the file is not a readable picture.
    static QImage loadFile(const QString &path);
    // JPEG, quality 90, baseline.
    static QByteArray jpegBytes(const QImage &picture);

private:
    std::function<CalculatorPage *()> m_current;
};
