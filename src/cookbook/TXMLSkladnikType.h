#pragma once

#include "cookbook/BookElement.h"

// An ingredient: a dictionary entry (name and forms) or a recipe line (name, quantity, unit;
// the element text is the remark).
class TXMLSkladnikType : public BookElement
{
public:
    TXMLSkladnikType() = default;
    explicit TXMLSkladnikType(XmlNode *node)
        : BookElement(node)
    { }
    static QString tagName() { return QStringLiteral("skladnik"); }

    QString nazwa() const { return attribute(u"nazwa"); }
    void setNazwa(const QString &value) const { setAttribute(QStringLiteral("nazwa"), value); }
    QString mLp() const { return attribute(u"m.lp"); }
    void setMLp(const QString &value) const { setAttribute(QStringLiteral("m.lp"), value); }
    QString dLp() const { return attribute(u"d.lp"); }
    void setDLp(const QString &value) const { setAttribute(QStringLiteral("d.lp"), value); }
    QString mLm() const { return attribute(u"m.lm"); }
    void setMLm(const QString &value) const { setAttribute(QStringLiteral("m.lm"), value); }
    QString dLm() const { return attribute(u"d.lm"); }
    void setDLm(const QString &value) const { setAttribute(QStringLiteral("d.lm"), value); }
    QString ilosc() const { return attribute(u"ilosc"); }
    void setIlosc(const QString &value) const { setAttribute(QStringLiteral("ilosc"), value); }
    QString jednostka() const { return attribute(u"jednostka"); }
    void setJednostka(const QString &value) const
    {
        setAttribute(QStringLiteral("jednostka"), value);
    }
};
