#include "ScriptedPlatform.h"

#include <QDialog>
#include <QTextDocument>

Platform::Answer ScriptedPlatform::messageBox(
    const QString &text, const QString &caption, Buttons buttons, Icon icon)
{
    messages << Message {text, caption, buttons, icon};
    if (!answers.isEmpty())
        return answers.dequeue();
    return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
}

void ScriptedPlatform::showError(const QString &message)
{
    errors << message;
}

QString ScriptedPlatform::openFile(const FileDialog &dialog)
{
    fileDialogs << dialog;
    return fileAnswers.isEmpty() ? QString() : fileAnswers.dequeue();
}

QStringList ScriptedPlatform::openPictures(const FileDialog &dialog)
{
    fileDialogs << dialog;
    return pictureAnswers.isEmpty() ? QStringList() : pictureAnswers.dequeue();
}

QString ScriptedPlatform::saveFile(const FileDialog &dialog)
{
    fileDialogs << dialog;
    return fileAnswers.isEmpty() ? QString() : fileAnswers.dequeue();
}

std::optional<Platform::FontChoice> ScriptedPlatform::chooseFont(const FontChoice &initial)
{
    ++fontDialogs;
    fontDialogInitial << initial.font;
    fontDialogInitialColours << initial.color;
    return fontAnswers.isEmpty() ? std::nullopt : fontAnswers.dequeue();
}

std::optional<QColor> ScriptedPlatform::chooseColor(const QColor &)
{
    ++colorDialogs;
    return colorAnswers.isEmpty() ? std::nullopt : colorAnswers.dequeue();
}

void ScriptedPlatform::printPreview(const QTextDocument &document, const QString &)
{
    previewedDocuments << document.toPlainText();
}

void ScriptedPlatform::print(const QTextDocument &document, const QString &)
{
    printedDocuments << document.toPlainText();
}

void ScriptedPlatform::printToPdf(const QTextDocument &document, const QString &path)
{
    pdfFiles << path;
    printedDocuments << document.toPlainText();
}

int ScriptedPlatform::execModal(QDialog &dialog)
{
    if (modalScripts.isEmpty())
        return QDialog::Rejected;
    return modalScripts.dequeue()(dialog);
}

void ScriptedPlatform::clear()
{
    *this = ScriptedPlatform();
}
