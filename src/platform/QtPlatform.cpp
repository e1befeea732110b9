#include "platform/QtPlatform.h"

#include "platform/FontColourDialog.h"

#include <QApplication>
#include <QColorDialog>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QImageReader>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTextDocument>

QString QtPlatform::qtFilter(const QString &filter)
{
    const QStringList parts = filter.split(u'|');
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2)
        out << QStringLiteral("%1 (%2)").arg(parts[i], QString(parts[i + 1]).replace(u';', u' '));
    return out.join(QStringLiteral(";;"));
}

Platform::Answer QtPlatform::messageBox(
    const QString &text, const QString &caption, Buttons buttons, Icon icon)
{
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(caption);
    box.setText(text);
    switch (icon) {
    case Icon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case Icon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case Icon::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case Icon::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case Icon::Error:
        box.setIcon(QMessageBox::Critical);
        break;
    }
    switch (buttons) {
    case Buttons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Buttons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case Buttons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    if (auto *b = box.button(QMessageBox::Yes))
        b->setText(QStringLiteral("&Tak"));
    if (auto *b = box.button(QMessageBox::No))
        b->setText(QStringLiteral("&Nie"));
    if (auto *b = box.button(QMessageBox::Cancel))
        b->setText(QStringLiteral("Anuluj"));
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    default:
        return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
    }
}

void QtPlatform::showError(const QString &message)
{
    QMessageBox::critical(
        QApplication::activeWindow(), QApplication::applicationDisplayName(), message);
}

QString QtPlatform::openFile(const FileDialog &d)
{
    QFileDialog dialog(QApplication::activeWindow(), d.title, d.fileName, qtFilter(d.filter));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(d.defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QStringList QtPlatform::openPictures(const FileDialog &d)
{
    QStringList patterns;
    // Every format the installed image plugins read; cameras write upper-case suffixes.
    for (const QByteArray &fmt : QImageReader::supportedImageFormats()) {
        patterns << QStringLiteral("*.") + QString::fromLatin1(fmt);
        patterns << QStringLiteral("*.") + QString::fromLatin1(fmt).toUpper();
    }
    const QString filter = d.filter.isEmpty()
        ? QStringLiteral("Obrazy (%1);;Wszystkie pliki (*)").arg(patterns.join(u' '))
        : qtFilter(d.filter);
    QFileDialog dialog(QApplication::activeWindow(), d.title, d.fileName, filter);
    dialog.setFileMode(d.multiSelect ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles();
}

QString QtPlatform::saveFile(const FileDialog &d)
{
    QFileDialog dialog(QApplication::activeWindow(), d.title, d.fileName, qtFilter(d.filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(d.defaultSuffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

std::optional<Platform::FontChoice> QtPlatform::chooseFont(const FontChoice &initial)
{
    FontColourDialog dialog(initial.font, initial.color, QApplication::activeWindow());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return FontChoice(dialog.selectedFont(), dialog.selectedColour());
}

std::optional<QColor> QtPlatform::chooseColor(const QColor &initial)
{
    const QColor c = QColorDialog::getColor(initial, QApplication::activeWindow());
    if (!c.isValid())
        return std::nullopt;
    return c;
}

bool QtPlatform::hasPrinter()
{
    return !QPrinterInfo::defaultPrinter().isNull();
}

void QtPlatform::print(const QTextDocument &document, const QString &jobName)
{
    QPrinter printer(QPrinterInfo::defaultPrinter());
    printer.setDocName(jobName);
    document.print(&printer);
}

void QtPlatform::printToPdf(const QTextDocument &document, const QString &path)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    document.print(&printer);
}

void QtPlatform::openUrl(const QUrl &url)
{
    QDesktopServices::openUrl(url);
}

int QtPlatform::execModal(QDialog &dialog)
{
    return dialog.exec();
}

void QtPlatform::printPreview(const QTextDocument &document, const QString &jobName)
{
    // The same printer set-up as print(), so the preview shows the very pages printed.
    QPrinter printer(QPrinterInfo::defaultPrinter());
    printer.setDocName(jobName);
    QPrintPreviewDialog dialog(&printer, QApplication::activeWindow());
    dialog.setWindowTitle(QStringLiteral("Podgląd wydruku"));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
        [&document](QPrinter *target) { document.print(target); });
    dialog.exec();
}
