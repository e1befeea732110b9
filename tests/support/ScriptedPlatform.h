#pragma once

#include "platform/Platform.h"

#include <QList>
#include <QQueue>
#include <functional>

// Test double of the platform seam: records every request and answers from queues the test
// fills in advance. An unplanned question is answered with Cancel / nothing and recorded.
class ScriptedPlatform : public Platform
{
public:
    struct Message
    {
        QString text, caption;
        Buttons buttons;
        Icon icon;
    };

    // What was asked.
    QList<Message> messages;
    QStringList errors;
    QList<FileDialog> fileDialogs;
    QList<QUrl> openedUrls;
    QStringList printedDocuments; // plain text of each printed document
    QStringList previewedDocuments; // plain text of each document shown in a print preview
    QStringList pdfFiles;
    int fontDialogs = 0;
    int colorDialogs = 0;
    QList<QFont> fontDialogInitial;
    QList<QColor> fontDialogInitialColours;

    // What to answer.
    QQueue<Answer> answers;
    QQueue<QString> fileAnswers;
    QQueue<QStringList> pictureAnswers;
    QQueue<std::optional<FontChoice>> fontAnswers;
    QQueue<std::optional<QColor>> colorAnswers;
    QQueue<std::function<int(QDialog &)>> modalScripts;
    bool printerPresent = true;

    Answer messageBox(
        const QString &text, const QString &caption, Buttons buttons, Icon icon) override;
    void showError(const QString &message) override;
    QString openFile(const FileDialog &dialog) override;
    QStringList openPictures(const FileDialog &dialog) override;
    QString saveFile(const FileDialog &dialog) override;
    std::optional<FontChoice> chooseFont(const FontChoice &initial) override;
    std::optional<QColor> chooseColor(const QColor &initial) override;
    bool hasPrinter() override { return printerPresent; }
    void print(const QTextDocument &document, const QString &jobName) override;
    void printToPdf(const QTextDocument &document, const QString &path) override;
    void printPreview(const QTextDocument &document, const QString &) override;
    void openUrl(const QUrl &url) override { openedUrls << url; }
    int execModal(QDialog &dialog) override;

    QString lastError() const { return errors.isEmpty() ? QString() : errors.constLast(); }
    void clear();
};
