#pragma once

#include <QList>
#include <QString>
#include <memory>
#include <vector>

struct XmlAttribute
{
    QString name;
    QString value;
};

// One node of a book held in memory: an element with its attributes (in file order) and its
// children, or a text, comment or processing instruction. Names are kept as written, prefixes
// and xmlns attributes included, so content the program does not know survives a round trip.
class XmlNode
{
public:
    enum class Kind { Element, Text, Comment, ProcessingInstruction };

    static std::unique_ptr<XmlNode> element(const QString &name);
    static std::unique_ptr<XmlNode> text(const QString &value);
    static std::unique_ptr<XmlNode> comment(const QString &value);
    static std::unique_ptr<XmlNode> processingInstruction(
        const QString &target, const QString &data);

    XmlNode(const XmlNode &) = delete;
    XmlNode &operator=(const XmlNode &) = delete;

    Kind kind() const { return m_kind; }
    bool isElement() const { return m_kind == Kind::Element; }
    // Element name or processing-instruction target.
    const QString &name() const { return m_name; }
    // Text, comment or processing-instruction data.
    const QString &value() const { return m_value; }
    void setValue(const QString &value) { m_value = value; }

    const QList<XmlAttribute> &attributes() const { return m_attributes; }
    // Empty text when the attribute is absent.
    QString attribute(QStringView name) const;
    bool hasAttribute(QStringView name) const;
    void setAttribute(const QString &name, const QString &value);
    // For a reader that knows the name is not there yet: no search.
    void appendNewAttribute(const QString &name, const QString &value)
    {
        m_attributes.append({name, value});
    }
    void removeAttribute(QStringView name);

    XmlNode *parent() const { return m_parent; }
    int childCount() const { return int(m_children.size()); }
    XmlNode *child(int index) const { return m_children[size_t(index)].get(); }
    XmlNode *appendChild(std::unique_ptr<XmlNode> node);
    XmlNode *insertChild(int position, std::unique_ptr<XmlNode> node);
    std::unique_ptr<XmlNode> takeChild(int position);
    void removeChildren();

    // Child elements of one name, addressed by their 0-based index among themselves.
    int elementCount(QStringView name) const;
    XmlNode *element(QStringView name, int index) const;
    XmlNode *firstElement(QStringView name) const;
    // Inserts a new empty element before the index-th element of that name; an index below 0
    // or past the last one appends it as the last child.
    XmlNode *insertElement(const QString &name, int index);
    bool removeElement(QStringView name, int index);
    void removeElements(QStringView name);

    // All descendant text, concatenated.
    QString textContent() const;
    // Replaces every child by one text node (none for empty text).
    void setTextContent(const QString &text);

    std::unique_ptr<XmlNode> clone() const;
    bool sameAs(const XmlNode &other) const;

private:
    XmlNode(Kind kind, const QString &name, const QString &value);
    const std::vector<XmlNode *> &elementsNamed(QStringView name) const;
    void childrenChanged() { m_cacheValid = false; }
    void appendText(QString &out) const;

    Kind m_kind;
    QString m_name;
    QString m_value;
    QList<XmlAttribute> m_attributes;
    std::vector<std::unique_ptr<XmlNode>> m_children;
    XmlNode *m_parent = nullptr;

    // Repeated lists are walked by index (item(i) for i = 0..n); remembering the last name
    // asked for keeps such walks linear on books with thousands of recipes.
    mutable QString m_cacheName;
    mutable std::vector<XmlNode *> m_cache;
    mutable bool m_cacheValid = false;
};
