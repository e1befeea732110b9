#pragma once

#include "platform/IniFile.h"
#include "platform/PageId.h"
#include "platform/StoredFont.h"

#include <QList>
#include <QPair>
#include <QString>

// Everything the program keeps between runs, by name and type: the one place that knows the
// settings file's sections and keys. An object reads the file when made and writes each change at
// once (the whole file replaced atomically), so it serves one action: the start-up read, one
// "Zapisz zmiany", the close. Writes throw AppError "Unable to write to <path>".
class Settings
{
public:
    // The file beside the program.
    Settings();
    explicit Settings(const QString &path);

    // A calculator page's background: a picture file, a ".nil" path for none, or
    // NoBackground when nothing is stored.
    static inline const QString NoBackground = QStringLiteral("default value");
    QString background(PageId page) const;
    void setBackground(PageId page, const QString &path);

    // Font groups 1 to 23. A group is read into `font` only when the file holds it; each missing
    // key keeps the font's own value.
    bool hasFont(int group) const;
    void CzytajCzcionke(int group, StoredFont &font) const;
    void ZapiszCzcionke(int group, const StoredFont &font);
    // Several groups in one write, in the order given.
    void ZapiszCzcionki(const QList<QPair<int, StoredFont>> &groups);

    // The user's own proportions, as typed (decimal commas), per kg of meat.
    struct OwnDry
    {
        QString salt = QStringLiteral("20");
        QString pepper = QStringLiteral("0,5");
        QString allspice = QStringLiteral("0,5");
    };
    OwnDry ownDry() const;
    void setOwnDry(const OwnDry &own);

    struct OwnWet
    {
        QString salt = QStringLiteral("0"); // g of curing salt
        QString sugar = QStringLiteral("0"); // percent of the brine
        bool apply = false;
    };
    OwnWet ownWet() const;
    void setOwnWet(const OwnWet &own);

    // The book last used; by default "Moja książka.xml" beside the program.
    QString lastBook() const;
    void setLastBook(const QString &path);
    // Whether the description window was shown at the last close; written only.
    void setExternalEditor(bool shown);

    // Colour of the recipe editor's edit controls, a TColor number (the system window colour
    // when absent).
    int controlColour() const;
    void setControlColour(int colour);

    // Sodium nitrite in the curing salt, in percent as typed; "0,6" when not stored.
    QString nitritePercent() const;
    void setNitritePercent(const QString &percent);

    const QString &path() const { return m_file.path(); }

private:
    void setFont(int group, const StoredFont &font);
    IniFile m_file;
};
