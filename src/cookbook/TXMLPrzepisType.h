#pragma once

#include "cookbook/BookElement.h"
#include "cookbook/TXMLKategoriaTypeList.h"
#include "cookbook/TXMLOpisType.h"
#include "cookbook/TXMLSkladnikTypeList.h"
#include "cookbook/TXMLZdjeciaTypeList.h"

// One recipe.
class TXMLPrzepisType : public BookElement
{
public:
    TXMLPrzepisType() = default;
    explicit TXMLPrzepisType(XmlNode *node)
        : BookElement(node)
    { }
    static QString tagName() { return QStringLiteral("przepis"); }

    QString tytul() const { return attribute(u"tytul"); }
    void setTytul(const QString &value) const { setAttribute(QStringLiteral("tytul"), value); }
    QString porcje() const { return attribute(u"porcje"); }
    void setPorcje(const QString &value) const { setAttribute(QStringLiteral("porcje"), value); }
    QString jednostka() const { return attribute(u"jednostka"); }
    void setJednostka(const QString &value) const
    {
        setAttribute(QStringLiteral("jednostka"), value);
    }
    QString autor() const { return attribute(u"autor"); }
    void setAutor(const QString &value) const { setAttribute(QStringLiteral("autor"), value); }
    QString kalorie() const { return attribute(u"kalorie"); }
    void setKalorie(const QString &value) const { setAttribute(QStringLiteral("kalorie"), value); }
    QString zdjecie() const { return attribute(u"zdjecie"); }
    void setZdjecie(const QString &value) const { setAttribute(QStringLiteral("zdjecie"), value); }
    QString czas() const { return attribute(u"czas"); }
    void setCzas(const QString &value) const { setAttribute(QStringLiteral("czas"), value); }
    QString data() const { return attribute(u"data"); }
    void setData(const QString &value) const { setAttribute(QStringLiteral("data"), value); }
    QString kuchnia() const { return attribute(u"kuchnia"); }
    void setKuchnia(const QString &value) const { setAttribute(QStringLiteral("kuchnia"), value); }
    QString ocena() const { return attribute(u"ocena"); }
    void setOcena(const QString &value) const { setAttribute(QStringLiteral("ocena"), value); }
    QString ulubione() const { return attribute(u"ulubione"); }
    void setUlubione(const QString &value) const
    {
        setAttribute(QStringLiteral("ulubione"), value);
    }
    QString www() const { return attribute(u"www"); }
    void setWww(const QString &value) const { setAttribute(QStringLiteral("www"), value); }

    TXMLKategoriaTypeList kategoria() const { return TXMLKategoriaTypeList(m_node); }
    TXMLSkladnikTypeList skladnik() const { return TXMLSkladnikTypeList(m_node); }
    TXMLZdjeciaTypeList zdjecia() const { return TXMLZdjeciaTypeList(m_node); }
    // Created empty when the recipe has none yet.
    TXMLOpisType opis() const { return TXMLOpisType(singleChild(TXMLOpisType::tagName())); }
};
