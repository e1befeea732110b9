#include "platform/Settings.h"

#include "core/AppPaths.h"

namespace {

const QString kBackgrounds = QStringLiteral("Tlo");
const QString kOwnDry = QStringLiteral("Peklowanie suche wlasne");
const QString kOwnWet = QStringLiteral("Peklowanie mokre wlasne");
const QString kBook = QStringLiteral("ksiazka");
const QString kEditor = QStringLiteral("F4");

QString backgroundKey(PageId page)
{
    switch (page) {
    case PageId::WetCuring:
        return QStringLiteral("mokre");
    case PageId::DryCuring:
        return QStringLiteral("suche");
    case PageId::Brine:
        return QStringLiteral("solanka");
    default:
        return QStringLiteral("ryby");
    }
}

QString fontSection(int group)
{
    return QStringLiteral("Czcionka%1").arg(group);
}

int pointSizeOf(const QFont &font)
{
    return font.pointSize() > 0 ? font.pointSize() : qRound(font.pointSizeF());
}

} // namespace

Settings::Settings()
    : Settings(AppPaths::settingsFile())
{ }

Settings::Settings(const QString &path)
    : m_file(path)
{ }

QString Settings::background(PageId page) const
{
    return m_file.readString(kBackgrounds, backgroundKey(page), NoBackground);
}

void Settings::setBackground(PageId page, const QString &path)
{
    m_file.writeString(kBackgrounds, backgroundKey(page), path);
}

bool Settings::hasFont(int group) const
{
    return m_file.sectionExists(fontSection(group));
}

void Settings::CzytajCzcionke(int group, StoredFont &f) const
{
    const QString section = fontSection(group);
    if (!m_file.sectionExists(section))
        return;
    f.color = m_file.readInteger(section, QStringLiteral("kolor"), f.color);
    const int size = m_file.readInteger(section, QStringLiteral("wielkosc"), pointSizeOf(f.font));
    if (size > 0 && size <= 400)
        f.font.setPointSize(size);
    const QString family = m_file.readString(section, QStringLiteral("Nazwa"), f.font.family());
    if (!family.trimmed().isEmpty())
        f.font.setFamily(family);
    f.charSet = m_file.readInteger(section, QStringLiteral("CharSet"), f.charSet) & 0xFF;
    setStyleBits(f.font, m_file.readInteger(section, QStringLiteral("Styl"), styleBits(f.font)));
}

void Settings::setFont(int group, const StoredFont &f)
{
    const QString section = fontSection(group);
    m_file.setInteger(section, QStringLiteral("kolor"), f.color);
    m_file.setInteger(section, QStringLiteral("wielkosc"), pointSizeOf(f.font));
    m_file.setString(section, QStringLiteral("Nazwa"), f.font.family());
    m_file.setInteger(section, QStringLiteral("CharSet"), f.charSet & 0xFF);
    m_file.setInteger(section, QStringLiteral("Styl"), styleBits(f.font));
}

void Settings::ZapiszCzcionke(int group, const StoredFont &font)
{
    setFont(group, font);
    m_file.save();
}

void Settings::ZapiszCzcionki(const QList<QPair<int, StoredFont>> &groups)
{
    for (const auto &[group, font] : groups)
        setFont(group, font);
    m_file.save();
}

Settings::OwnDry Settings::ownDry() const
{
    const OwnDry defaults;
    return {m_file.readString(kOwnDry, QStringLiteral("peklosol"), defaults.salt),
        m_file.readString(kOwnDry, QStringLiteral("pieprz"), defaults.pepper),
        m_file.readString(kOwnDry, QStringLiteral("ziele"), defaults.allspice)};
}

void Settings::setOwnDry(const OwnDry &own)
{
    m_file.setString(kOwnDry, QStringLiteral("peklosol"), own.salt);
    m_file.setString(kOwnDry, QStringLiteral("pieprz"), own.pepper);
    m_file.setString(kOwnDry, QStringLiteral("ziele"), own.allspice);
    m_file.save();
}

Settings::OwnWet Settings::ownWet() const
{
    const OwnWet defaults;
    return {m_file.readString(kOwnWet, QStringLiteral("peklosol"), defaults.salt),
        m_file.readString(kOwnWet, QStringLiteral("cukier"), defaults.sugar),
        m_file.readBool(kOwnWet, QStringLiteral("zastosuj"), defaults.apply)};
}

void Settings::setOwnWet(const OwnWet &own)
{
    m_file.setString(kOwnWet, QStringLiteral("peklosol"), own.salt);
    m_file.setString(kOwnWet, QStringLiteral("cukier"), own.sugar);
    m_file.setBool(kOwnWet, QStringLiteral("zastosuj"), own.apply);
    m_file.save();
}

QString Settings::lastBook() const
{
    return m_file.readString(
        kBook, QStringLiteral("baza"), AppPaths::file(QStringLiteral("Moja książka.xml")));
}

void Settings::setLastBook(const QString &path)
{
    m_file.writeString(kBook, QStringLiteral("baza"), path);
}

void Settings::setExternalEditor(bool shown)
{
    m_file.writeBool(kBook, QStringLiteral("edytor"), shown);
}

int Settings::controlColour() const
{
    return m_file.readInteger(kEditor, QStringLiteral("kolor"), int(0x80000005));
}

void Settings::setControlColour(int colour)
{
    m_file.writeInteger(kEditor, QStringLiteral("kolor"), colour);
}

QString Settings::nitritePercent() const
{
    return m_file.readString(
        QStringLiteral("Azotyn"), QStringLiteral("procent"), QStringLiteral("0,6"));
}

void Settings::setNitritePercent(const QString &percent)
{
    m_file.writeString(QStringLiteral("Azotyn"), QStringLiteral("procent"), percent);
}
