#include "cookbook/BookElement.h"

#include "cookbook/XmlService.h"
#include "core/AppError.h"

XmlNode *BookElement::requireNode() const
{
    if (!m_node)
        throw AppError(QStringLiteral("The book element does not exist"));
    return m_node;
}

void BookElement::setText(const QString &value) const
{
    requireNode()->setTextContent(value);
}

QString BookElement::markup() const
{
    return m_node ? XmlService::markup(*m_node) : QString();
}

void BookElement::setAttribute(const QString &name, const QString &value) const
{
    requireNode()->setAttribute(name, value);
}

XmlNode *BookElement::singleChild(const QString &name) const
{
    XmlNode *self = requireNode();
    if (XmlNode *existing = self->firstElement(name))
        return existing;
    return self->insertElement(name, -1);
}
