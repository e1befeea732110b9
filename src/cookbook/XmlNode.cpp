#include "cookbook/XmlNode.h"

XmlNode::XmlNode(Kind kind, const QString &name, const QString &value)
    : m_kind(kind)
    , m_name(name)
    , m_value(value)
{ }

std::unique_ptr<XmlNode> XmlNode::element(const QString &name)
{
    return std::unique_ptr<XmlNode>(new XmlNode(Kind::Element, name, QString()));
}

std::unique_ptr<XmlNode> XmlNode::text(const QString &value)
{
    return std::unique_ptr<XmlNode>(new XmlNode(Kind::Text, QString(), value));
}

std::unique_ptr<XmlNode> XmlNode::comment(const QString &value)
{
    return std::unique_ptr<XmlNode>(new XmlNode(Kind::Comment, QString(), value));
}

std::unique_ptr<XmlNode> XmlNode::processingInstruction(const QString &target, const QString &data)
{
    return std::unique_ptr<XmlNode>(new XmlNode(Kind::ProcessingInstruction, target, data));
}

QString XmlNode::attribute(QStringView name) const
{
    for (const XmlAttribute &a : m_attributes)
        if (a.name == name)
            return a.value;
    return QString();
}

bool XmlNode::hasAttribute(QStringView name) const
{
    for (const XmlAttribute &a : m_attributes)
        if (a.name == name)
            return true;
    return false;
}

void XmlNode::setAttribute(const QString &name, const QString &value)
{
    for (XmlAttribute &a : m_attributes) {
        if (a.name == name) {
            a.value = value;
            return;
        }
    }
    m_attributes.append({name, value});
}

void XmlNode::removeAttribute(QStringView name)
{
    m_attributes.removeIf([name](const XmlAttribute &a) { return a.name == name; });
}

XmlNode *XmlNode::appendChild(std::unique_ptr<XmlNode> node)
{
    return insertChild(childCount(), std::move(node));
}

XmlNode *XmlNode::insertChild(int position, std::unique_ptr<XmlNode> node)
{
    if (position < 0 || position > childCount())
        position = childCount();
    node->m_parent = this;
    XmlNode *raw = node.get();
    m_children.insert(m_children.begin() + position, std::move(node));
    childrenChanged();
    return raw;
}

std::unique_ptr<XmlNode> XmlNode::takeChild(int position)
{
    std::unique_ptr<XmlNode> node = std::move(m_children[size_t(position)]);
    m_children.erase(m_children.begin() + position);
    node->m_parent = nullptr;
    childrenChanged();
    return node;
}

void XmlNode::removeChildren()
{
    m_children.clear();
    childrenChanged();
}

const std::vector<XmlNode *> &XmlNode::elementsNamed(QStringView name) const
{
    if (!m_cacheValid || m_cacheName != name) {
        m_cache.clear();
        for (const auto &c : m_children)
            if (c->isElement() && c->m_name == name)
                m_cache.push_back(c.get());
        m_cacheName = name.toString();
        m_cacheValid = true;
    }
    return m_cache;
}

int XmlNode::elementCount(QStringView name) const
{
    return int(elementsNamed(name).size());
}

XmlNode *XmlNode::element(QStringView name, int index) const
{
    const auto &list = elementsNamed(name);
    if (index < 0 || size_t(index) >= list.size())
        return nullptr;
    return list[size_t(index)];
}

XmlNode *XmlNode::firstElement(QStringView name) const
{
    for (const auto &c : m_children)
        if (c->isElement() && c->m_name == name)
            return c.get();
    return nullptr;
}

XmlNode *XmlNode::insertElement(const QString &name, int index)
{
    int position = childCount();
    if (XmlNode *before = element(name, index)) {
        for (int i = 0; i < childCount(); ++i)
            if (child(i) == before)
                position = i;
    }
    return insertChild(position, element(name));
}

bool XmlNode::removeElement(QStringView name, int index)
{
    XmlNode *victim = element(name, index);
    if (!victim)
        return false;
    for (int i = 0; i < childCount(); ++i) {
        if (child(i) == victim) {
            takeChild(i);
            return true;
        }
    }
    return false;
}

void XmlNode::removeElements(QStringView name)
{
    std::erase_if(m_children,
        [name](const std::unique_ptr<XmlNode> &c) { return c->isElement() && c->m_name == name; });
    childrenChanged();
}

void XmlNode::appendText(QString &out) const
{
    if (m_kind == Kind::Text) {
        out += m_value;
        return;
    }
    if (m_kind != Kind::Element)
        return;
    for (const auto &c : m_children)
        c->appendText(out);
}

QString XmlNode::textContent() const
{
    if (m_kind != Kind::Element)
        return m_value;
    // The common case, one text child, needs no copy.
    if (m_children.size() == 1 && m_children.front()->m_kind == Kind::Text)
        return m_children.front()->m_value;
    QString out;
    appendText(out);
    return out;
}

void XmlNode::setTextContent(const QString &text)
{
    if (m_kind != Kind::Element) {
        m_value = text;
        return;
    }
    removeChildren();
    if (!text.isEmpty())
        appendChild(XmlNode::text(text));
}

std::unique_ptr<XmlNode> XmlNode::clone() const
{
    std::unique_ptr<XmlNode> copy(new XmlNode(m_kind, m_name, m_value));
    copy->m_attributes = m_attributes;
    copy->m_children.reserve(m_children.size());
    for (const auto &c : m_children)
        copy->appendChild(c->clone());
    return copy;
}

bool XmlNode::sameAs(const XmlNode &other) const
{
    if (m_kind != other.m_kind || m_name != other.m_name || m_value != other.m_value
        || m_children.size() != other.m_children.size()
        || m_attributes.size() != other.m_attributes.size())
        return false;
    for (qsizetype i = 0; i < m_attributes.size(); ++i)
        if (m_attributes[i].name != other.m_attributes[i].name
            || m_attributes[i].value != other.m_attributes[i].value)
            return false;
    for (size_t i = 0; i < m_children.size(); ++i)
        if (!m_children[i]->sameAs(*other.m_children[i]))
            return false;
    return true;
}
