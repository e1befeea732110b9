#include "platform/IniFile.h"

#include "core/AppError.h"
#include "core/SafeFile.h"
#include "core/Win1250.h"

#include <QFile>
// Bytes are converted to and from Windows-1250 here, not by the library.
#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

struct IniFile::Data
{
    CSimpleIniA ini {/*isUtf8*/ false, /*multiKey*/ false, /*multiLine*/ false};
};

IniFile::IniFile(const QString &path)
    : d(std::make_unique<Data>())
    , m_path(path)
{
    d->ini.SetSpaces(false);
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray bytes = file.readAll();
        d->ini.LoadData(bytes.constData(), size_t(bytes.size()));
    }
}

IniFile::~IniFile() = default;

static QByteArray bytes(const QString &text)
{
    return win1250::encode(text);
}

bool IniFile::sectionExists(const QString &section) const
{
    return d->ini.GetSectionSize(bytes(section).constData()) >= 0;
}

bool IniFile::valueExists(const QString &section, const QString &key) const
{
    return d->ini.GetValue(bytes(section).constData(), bytes(key).constData(), nullptr) != nullptr;
}

QString IniFile::readString(const QString &section, const QString &key, const QString &def) const
{
    const char *value
        = d->ini.GetValue(bytes(section).constData(), bytes(key).constData(), nullptr);
    return value ? win1250::decode(QByteArray(value)) : def;
}

bool IniFile::parseInteger(const QString &raw, int *value)
{
    const QString text = raw.trimmed();
    bool ok = false;
    qint64 v = 0;
    if (text.startsWith(u'$') || text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        const QString digits = text.mid(text.startsWith(u'$') ? 1 : 2);
        const quint64 u = digits.toULongLong(&ok, 16);
        // Hexadecimal is a 32-bit pattern: $80000005 is the negative system colour.
        if (!ok || digits.isEmpty() || u > 0xFFFFFFFFull)
            return false;
        *value = int(quint32(u));
        return true;
    }
    v = text.toLongLong(&ok, 10);
    if (!ok || v < INT_MIN || v > INT_MAX)
        return false;
    *value = int(v);
    return true;
}

int IniFile::readInteger(const QString &section, const QString &key, int def) const
{
    const char *value
        = d->ini.GetValue(bytes(section).constData(), bytes(key).constData(), nullptr);
    int result = def;
    if (value && parseInteger(QString::fromLatin1(value), &result))
        return result;
    return def;
}

bool IniFile::readBool(const QString &section, const QString &key, bool def) const
{
    return readInteger(section, key, def ? 1 : 0) != 0;
}

void IniFile::setString(const QString &section, const QString &key, const QString &value)
{
    bool lossless = true;
    const QByteArray encoded = win1250::encode(value, &lossless);
    if (!lossless)
        throw AppError(
            QStringLiteral("Tekstu \u201e%1\u201d nie można zapisać w pliku %2: znaki %3 "
                           "nie mieszczą się w stronie kodowej Windows-1250.")
                .arg(value, m_path, win1250::unencodable(value)));
    d->ini.SetValue(bytes(section).constData(), bytes(key).constData(), encoded.constData());
}

void IniFile::setInteger(const QString &section, const QString &key, int value)
{
    setString(section, key, QString::number(value));
}

void IniFile::setBool(const QString &section, const QString &key, bool value)
{
    setString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void IniFile::writeString(const QString &section, const QString &key, const QString &value)
{
    setString(section, key, value);
    save();
}

void IniFile::writeInteger(const QString &section, const QString &key, int value)
{
    setInteger(section, key, value);
    save();
}

void IniFile::writeBool(const QString &section, const QString &key, bool value)
{
    setBool(section, key, value);
    save();
}

void IniFile::save()
{
    std::string out;
    if (d->ini.Save(out) < 0)
        throw AppError::unableToWrite(m_path);
    // The file is a classic Windows INI file: CR LF line ends.
    QByteArray data;
    data.reserve(qsizetype(out.size() + out.size() / 16));
    for (char c : out) {
        if (c == '\n')
            data.append('\r');
        data.append(c);
    }
    safefile::write(m_path, data);
}
