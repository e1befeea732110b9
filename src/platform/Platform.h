#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <optional>

class QDialog;
class QTextDocument;
class QWidget;

// Everything modal or external goes through here, so tests can answer it. The program installs
// QtPlatform; tests install a scripted double.
class Platform
{
public:
    enum class Buttons { Ok, YesNo, YesNoCancel };
    enum class Icon { None, Information, Warning, Exclamation, Error };
    enum class Answer { Ok, Yes, No, Cancel };

    struct FileDialog
    {
        QString title;
        QString filter; // "tekst|*.txt" style: description|patterns, pairs separated by '|'
        QString defaultSuffix; // without the dot
        QString fileName; // proposed name (may carry a folder)
        bool multiSelect = false;
    };

    virtual ~Platform() = default;

    virtual Answer messageBox(
        const QString &text, const QString &caption, Buttons buttons, Icon icon)
        = 0;
    // The general error handler's box: the error's message, the program goes on.
    virtual void showError(const QString &message) = 0;

    // Empty result / list: the user cancelled.
    virtual QString openFile(const FileDialog &dialog) = 0;
    virtual QStringList openPictures(const FileDialog &dialog) = 0;
    virtual QString saveFile(const FileDialog &dialog) = 0;

    // A font with its colour, as a font dialog offers both.
    struct FontChoice
    {
        FontChoice() = default;
        // A choice that keeps the colour it started with (colour invalid).
        FontChoice(const QFont &f, const QColor &c = QColor())
            : font(f)
            , color(c)
        { }
        QFont font;
        QColor color;
    };
    virtual std::optional<FontChoice> chooseFont(const FontChoice &initial) = 0;
    virtual std::optional<QColor> chooseColor(const QColor &initial) = 0;

    // Default printer, no dialog. hasPrinter() tells whether there is one at all.
    virtual bool hasPrinter() = 0;
    virtual void print(const QTextDocument &document, const QString &jobName) = 0;
    virtual void printToPdf(const QTextDocument &document, const QString &path) = 0;
    // The print preview window over the document, from which the user prints, picks a printer or
    // saves a PDF.
    virtual void printPreview(const QTextDocument &document, const QString &jobName) = 0;

    // The desktop shell's "open" of a web address or mailto: link.
    virtual void openUrl(const QUrl &url) = 0;

    // Shows a window modally and returns its result code.
    virtual int execModal(QDialog &dialog) = 0;

    static Platform &get();
    static void install(Platform *platform);
};
