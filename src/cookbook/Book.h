#pragma once

#include "cookbook/TXMLVelmaroType.h"
#include "cookbook/XmlNode.h"

#include <QByteArray>
#include <QString>
#include <memory>

// One cookbook in memory: its element tree and the file it came from. Views obtained from
// root() refer into this object and become invalid when it is replaced, moved or destroyed.
class Book
{
public:
    static constexpr char16_t OwnRootName[] = u"Solvarin";
    static constexpr char16_t VelmaroRootName[] = u"Velmaro";

    // A document with an empty root Solvarin and nothing else.
    Book();
    Book(Book &&other) noexcept;
    Book &operator=(Book &&other) noexcept;
    ~Book();

    // The new empty book: root Solvarin, wersja "1.0", data today (short date), a przepisy
    // element with one empty przepis, no slowniki yet, no BookPath.
    static Book newBook();
    // Parses a book file; BookPath is set to path. Throws AppError with the parser's message,
    // or UnrecognisedBookError when the root is neither Solvarin nor Velmaro.
    static Book fromFile(const QString &path);
    // The same from bytes in memory; fileName is used in messages, BookPath stays empty.
    static Book fromBytes(const QByteArray &bytes, const QString &fileName);

    // Replaces this book by the one at path. On any error this book is left as it was.
    void load(const QString &path);
    // Writes the book to path through a temporary file in the same folder, so a failed write
    // leaves the old file whole; the file it replaces is kept in the book's history (kopie/).
    // Throws "Unable to write to <path>". BookPath is not changed.
    void save(const QString &path) const;
    // The exact bytes save() writes.
    QByteArray toBytes() const;

    TXMLVelmaroType root() { return TXMLVelmaroType(m_root.get(), this); }
    const XmlNode &rootNode() const { return *m_root; }
    QString rootName() const { return m_root->name(); }
    bool isVelmaro() const { return m_root->name() == QStringView(VelmaroRootName); }

    const QString &BookPath() const { return m_path; }
    void setBookPath(const QString &path) { m_path = path; }

    static bool isBookRootName(const QString &name);
    // File name without folder and without everything from its first full stop on.
    static QString bookName(const QString &path);

private:
    explicit Book(std::unique_ptr<XmlNode> root);

    std::unique_ptr<XmlNode> m_root;
    QString m_path;
};
