#pragma once

#include "cookbook/BookElement.h"

// A unit of the unit dictionary: its name (the form used with 1) and its grammatical forms.
class TXMLJednostkaType : public BookElement
{
public:
    TXMLJednostkaType() = default;
    explicit TXMLJednostkaType(XmlNode *node)
        : BookElement(node)
    { }
    static QString tagName() { return QStringLiteral("jednostka"); }

    QString nazwa() const { return attribute(u"nazwa"); }
    void setNazwa(const QString &value) const { setAttribute(QStringLiteral("nazwa"), value); }
    QString mLp() const { return attribute(u"m.lp"); }
    void setMLp(const QString &value) const { setAttribute(QStringLiteral("m.lp"), value); }
    QString mLm() const { return attribute(u"m.lm"); }
    void setMLm(const QString &value) const { setAttribute(QStringLiteral("m.lm"), value); }
    QString dLm() const { return attribute(u"d.lm"); }
    void setDLm(const QString &value) const { setAttribute(QStringLiteral("d.lm"), value); }
    QString dLp() const { return attribute(u"d.lp"); }
    void setDLp(const QString &value) const { setAttribute(QStringLiteral("d.lp"), value); }
};
