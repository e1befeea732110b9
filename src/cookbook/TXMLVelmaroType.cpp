#include "cookbook/TXMLVelmaroType.h"

#include "cookbook/Book.h"

TXMLSlownikiType TXMLVelmaroType::slowniki() const
{
    XmlNode *root = requireNode();
    if (XmlNode *existing = root->firstElement(TXMLSlownikiType::tagName()))
        return TXMLSlownikiType(existing);
    int position = root->childCount();
    for (int i = 0; i < root->childCount(); ++i) {
        if (root->child(i)->isElement() && root->child(i)->name() == TXMLPrzepisyType::tagName()) {
            position = i;
            break;
        }
    }
    return TXMLSlownikiType(
        root->insertChild(position, XmlNode::element(TXMLSlownikiType::tagName())));
}

QString TXMLVelmaroType::BookPath() const
{
    return m_book ? m_book->BookPath() : QString();
}

void TXMLVelmaroType::setBookPath(const QString &path) const
{
    if (m_book)
        m_book->setBookPath(path);
}
