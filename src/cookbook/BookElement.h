#pragma once

#include "cookbook/XmlNode.h"

#include <QString>

// A view over one element of the open book. Views are cheap to copy and are obtained afresh on
// each access; they stay valid until their element is removed or the book is replaced.
class BookElement
{
public:
    BookElement() = default;
    explicit BookElement(XmlNode *node)
        : m_node(node)
    { }

    bool isNull() const { return m_node == nullptr; }
    XmlNode *node() const { return m_node; }

    // Text content of the element (the remark of an ingredient line, the description).
    QString text() const { return m_node ? m_node->textContent() : QString(); }
    void setText(const QString &value) const;
    // Serialised XML of the element, its own start and end tags included.
    QString markup() const;

    // Missing attributes read as empty text.
    QString attribute(QStringView name) const
    {
        return m_node ? m_node->attribute(name) : QString();
    }
    void setAttribute(const QString &name, const QString &value) const;

protected:
    // The first child of that name, created empty at the end when there is none yet.
    XmlNode *singleChild(const QString &name) const;
    XmlNode *requireNode() const;

    XmlNode *m_node = nullptr;
};
