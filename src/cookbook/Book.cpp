#include "cookbook/Book.h"

#ifdef __GLIBC__
#include <malloc.h>
#endif

#include "cookbook/BookHistory.h"
#include "cookbook/UnrecognisedBookError.h"
#include "cookbook/XmlService.h"
#include "core/AppError.h"
#include "core/Clock.h"
#include "core/SafeFile.h"
#include "core/Win1250.h"

#include <QFileInfo>
#include <QLocale>

Book::Book()
    : m_root(XmlNode::element(QString::fromUtf16(OwnRootName)))
{ }

Book::Book(std::unique_ptr<XmlNode> root)
    : m_root(std::move(root))
{ }

Book::Book(Book &&other) noexcept
    : m_root(std::exchange(other.m_root, XmlNode::element(QString::fromUtf16(OwnRootName))))
    , m_path(std::move(other.m_path))
{ }

Book &Book::operator=(Book &&other) noexcept
{
    std::swap(m_root, other.m_root);
    std::swap(m_path, other.m_path);
    return *this;
}

Book::~Book() = default;

Book Book::newBook()
{
    Book book;
    TXMLVelmaroType root = book.root();
    root.setWersja(QStringLiteral("1.0"));
    root.setData(QLocale().toString(Clock::today(), QLocale::ShortFormat));
    root.przepisy().add();
    return book;
}

Book Book::fromBytes(const QByteArray &bytes, const QString &fileName)
{
    std::unique_ptr<XmlNode> root = XmlService::parse(bytes, fileName);
    if (!isBookRootName(root->name()))
        throw UnrecognisedBookError(root->name());
    return Book(std::move(root));
}

Book Book::fromFile(const QString &path)
{
    std::unique_ptr<XmlNode> root = XmlService::parseFile(path);
#ifdef __GLIBC__
    // The parser's own tree of a big book is freed by now; hand that memory back to the system
    // instead of keeping it for the life of the program.
    malloc_trim(0);
#endif
    if (!isBookRootName(root->name()))
        throw UnrecognisedBookError(root->name());
    Book book(std::move(root));
    book.m_path = path;
    return book;
}

void Book::load(const QString &path)
{
    *this = fromFile(path);
}

QByteArray Book::toBytes() const
{
    return XmlService::serializeBook(*m_root);
}

void Book::save(const QString &path) const
{
    QByteArray bytes;
    try {
        bytes = toBytes();
    } catch (const AppError &e) {
        throw AppError(
            AppError::unableToWrite(path).message() + QStringLiteral(": ") + e.message());
    }
    bookhistory::writeKeeping(path, bytes);
}

bool Book::isBookRootName(const QString &name)
{
    return name == QStringView(OwnRootName) || name == QStringView(VelmaroRootName);
}

QString Book::bookName(const QString &path)
{
    // Paths may come with either separator (the remembered path of an older installation).
    const qsizetype cut = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    const QString file = path.mid(cut + 1);
    const qsizetype dot = file.indexOf(u'.');
    return dot >= 0 ? file.left(dot) : QString();
}
