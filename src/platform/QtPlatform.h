#pragma once

#include "platform/Platform.h"

// The real desktop: Qt's dialogs, message boxes, printer and QDesktopServices.
class QtPlatform : public Platform
{
public:
    Answer messageBox(
        const QString &text, const QString &caption, Buttons buttons, Icon icon) override;
    void showError(const QString &message) override;
    QString openFile(const FileDialog &dialog) override;
    QStringList openPictures(const FileDialog &dialog) override;
    QString saveFile(const FileDialog &dialog) override;
    std::optional<FontChoice> chooseFont(const FontChoice &initial) override;
    std::optional<QColor> chooseColor(const QColor &initial) override;
    bool hasPrinter() override;
    void print(const QTextDocument &document, const QString &jobName) override;
    void printToPdf(const QTextDocument &document, const QString &path) override;
    void printPreview(const QTextDocument &document, const QString &jobName) override;
    void openUrl(const QUrl &url) override;
    int execModal(QDialog &dialog) override;

    // "tekst|*.txt|wszystko|*.*" -> "tekst (*.txt);;wszystko (*.*)"
    static QString qtFilter(const QString &filter);
};
