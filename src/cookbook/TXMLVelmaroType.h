#pragma once

#include "cookbook/BookElement.h"
#include "cookbook/TXMLPrzepisyType.h"
#include "cookbook/TXMLSlownikiType.h"

class Book;

// The root element of a book, named Solvarin (own books) or Velmaro (the related format).
class TXMLVelmaroType : public BookElement
{
public:
    TXMLVelmaroType() = default;
    TXMLVelmaroType(XmlNode *node, Book *book)
        : BookElement(node)
        , m_book(book)
    { }

    QString rootName() const { return m_node ? m_node->name() : QString(); }

    QString wersja() const { return attribute(u"wersja"); }
    void setWersja(const QString &value) const { setAttribute(QStringLiteral("wersja"), value); }
    QString data() const { return attribute(u"data"); }
    void setData(const QString &value) const { setAttribute(QStringLiteral("data"), value); }
    // A text that is not a whole number reads as 0.
    qint32 struktura() const { return attribute(u"struktura").toInt(); }
    void setStruktura(qint32 value) const
    {
        setAttribute(QStringLiteral("struktura"), QString::number(value));
    }

    // Created empty when missing; a new slowniki goes before przepisy, as books are written.
    TXMLSlownikiType slowniki() const;
    TXMLPrzepisyType przepisy() const
    {
        return TXMLPrzepisyType(singleChild(TXMLPrzepisyType::tagName()));
    }

    // The file the book was loaded from; empty for a new book. Never written into the file.
    QString BookPath() const;
    void setBookPath(const QString &path) const;

private:
    Book *m_book = nullptr;
};
