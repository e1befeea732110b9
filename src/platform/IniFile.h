#pragma once

#include <QString>
#include <memory>

// The settings file, opened for one action and released at its end. Section and key names match
// without regard to case. Every write goes to the disk at once (the whole file is replaced
// atomically), so a later reader sees it and a failed write leaves the old file intact.
class IniFile
{
public:
    explicit IniFile(const QString &path);
    ~IniFile();
    IniFile(const IniFile &) = delete;
    IniFile &operator=(const IniFile &) = delete;

    const QString &path() const { return m_path; }

    bool sectionExists(const QString &section) const;
    bool valueExists(const QString &section, const QString &key) const;
    QString readString(const QString &section, const QString &key, const QString &def) const;
    // Decimal, or hexadecimal with a "$" (or "0x") prefix; anything else gives the default.
    int readInteger(const QString &section, const QString &key, int def) const;
    // A non-zero integer is true, zero false, anything else the default.
    bool readBool(const QString &section, const QString &key, bool def) const;

    // Each writes the whole file at once. Throw AppError "Unable to write to <path>" when the
    // file cannot be written.
    void writeString(const QString &section, const QString &key, const QString &value);
    void writeInteger(const QString &section, const QString &key, int value);
    void writeBool(const QString &section, const QString &key, bool value);

    // Values set in memory only; save() then writes them in one go, so a group of keys reaches
    // the disk whole or not at all.
    void setString(const QString &section, const QString &key, const QString &value);
    void setInteger(const QString &section, const QString &key, int value);
    void setBool(const QString &section, const QString &key, bool value);
    void save();

    // Integer text as the file holds it, parsed by the rule of readInteger.
    static bool parseInteger(const QString &text, int *value);

private:
    struct Data;
    std::unique_ptr<Data> d;
    QString m_path;
};
