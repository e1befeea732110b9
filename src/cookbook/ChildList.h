#pragma once

#include "cookbook/XmlNode.h"
#include "core/AppError.h"

// The repeated children of one name under a parent element, addressed by 0-based index.
// Item is a view class with a static tagName().
template<class Item>
class ChildList
{
public:
    explicit ChildList(XmlNode *parent = nullptr)
        : m_parent(parent)
    { }

    int count() const { return m_parent ? m_parent->elementCount(Item::tagName()) : 0; }
    Item item(int index) const
    {
        XmlNode *node = m_parent ? m_parent->element(Item::tagName(), index) : nullptr;
        if (!node)
            throw AppError(QStringLiteral("List index out of bounds (%1)").arg(index));
        return Item(node);
    }
    Item operator[](int index) const { return item(index); }
    // Appends a new empty element and returns it.
    Item add() const { return insert(-1); }
    // Inserts a new empty element before the index-th one; -1 (or past the end) appends.
    Item insert(int index) const { return Item(parent()->insertElement(Item::tagName(), index)); }
    void remove(int index) const
    {
        if (!parent()->removeElement(Item::tagName(), index))
            throw AppError(QStringLiteral("List index out of bounds (%1)").arg(index));
    }
    void clear() const { parent()->removeElements(Item::tagName()); }

    // Index of the first entry whose nazwa equals the name exactly, or -1.
    int indexOfName(const QString &name) const
    {
        for (int i = 0, n = count(); i < n; ++i)
            if (m_parent->element(Item::tagName(), i)->attribute(u"nazwa") == name)
                return i;
        return -1;
    }

private:
    XmlNode *parent() const
    {
        if (!m_parent)
            throw AppError(QStringLiteral("The book element does not exist"));
        return m_parent;
    }

    XmlNode *m_parent;
};
