#include "app/BackgroundCommands.h"

#include "app/CalculatorPage.h"
#include "app/PageBackground.h"
#include "controls/PictureFile.h"
#include "core/AppError.h"
#include "core/AppPaths.h"
#include "core/SafeFile.h"
#include "platform/Platform.h"
#include "platform/Settings.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>

BackgroundCommands::BackgroundCommands(std::function<CalculatorPage *()> current, QObject *parent)
    : QObject(parent)
    , m_current(std::move(current))
{
    setObjectName(QStringLiteral("BackgroundCommands"));
}

namespace {

QImage readPicture(const QString &path)
{
    try {
        return picturefile::read(path);
    } catch (const AppError &first) {
        // Telling formats by their content takes an uncompressed Targa picture for an icon: the
        // format its name gives gets a second try before the first message stands.
        try {
            return picturefile::read(
                path, [](QImageReader &reader) { reader.setDecideFormatFromContent(false); });
        } catch (const AppError &) {
            throw first;
        }
    }
}

} // namespace

QImage BackgroundCommands::loadFile(const QString &path)
{
    const QImage picture = readPicture(path);
    if (picture.size() == PageBackground::DesignSize)
        return picture;
    // Smooth scaling averages the covered pixels, as halftone stretching does.
    return picture.scaled(
        PageBackground::DesignSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QByteArray BackgroundCommands::jpegBytes(const QImage &picture)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(90);
    writer.setProgressiveScanWrite(false);
    if (!writer.write(picture.convertToFormat(QImage::Format_RGB888)))
        throw AppError(writer.errorString());
    return buffer.data();
}

QStringList BackgroundCommands::restore(
    const Settings &settings, const QList<CalculatorPage *> &pages)
{
    QStringList unreadable;
    for (CalculatorPage *page : pages) {
        const QString path = settings.background(page->id());
        if (path.endsWith(QLatin1String(".nil"))) {
            page->background()->clear();
        } else if (QDir::isAbsolutePath(path) && QFileInfo::exists(path)) {
            // Only a full path: the default "default value" must not find a file in whatever
            // folder the program was started from.
            try {
                page->background()->setPicture(loadFile(path));
            } catch (const AppError &e) {
                unreadable << e.message();
            }
        }
    }
    return unreadable;
}

void BackgroundCommands::Ladujtlo1Click()
{
    CalculatorPage *page = m_current();
    if (!page)
        return;
    Platform::FileDialog dialog;
    dialog.multiSelect = true;
    const QStringList chosen = Platform::get().openPictures(dialog);
    if (chosen.isEmpty())
        return;
    page->background()->setPicture(loadFile(chosen.constFirst()));
}

void BackgroundCommands::Zapisztlo1Click()
{
    const CalculatorPage *page = m_current();
    if (!page)
        return;
    const PageBackground *background = page->background();
    if (background->isEmpty()) {
        Settings().setBackground(page->id(), AppPaths::file(page->noBackgroundFile()));
        return;
    }
    // The picture first: a key naming a file that was never written would lose the picture.
    const QString path = AppPaths::file(page->backgroundFile());
    safefile::write(path, jpegBytes(background->picture()));
    Settings().setBackground(page->id(), path);
}

void BackgroundCommands::Usuntlo1Click()
{
    if (CalculatorPage *page = m_current())
        page->background()->clear();
}
