#include "app/CalculatorPage.h"

#include "app/FittedLabel.h"
#include "app/LabelFitting.h"
#include "app/PageBackground.h"
#include "controls/DecimalInputFilter.h"

#include <QComboBox>
#include <QLineEdit>

CalculatorPage::CalculatorPage(
    PageId id, const QString &backgroundName, const QString &builtInPicture, QWidget *parent)
    : QWidget(parent)
    , m_id(id)
    , m_background(new PageBackground(backgroundName, this))
    , m_builtInPicture(builtInPicture)
{
    LabelFitting::install(this);
    m_background->setPictureFile(builtInPicture);
}

namespace {
QString backgroundStem(PageId id)
{
    switch (id) {
    case PageId::WetCuring:
        return QStringLiteral("Tlo_mokre");
    case PageId::DryCuring:
        return QStringLiteral("Tlo_suche");
    case PageId::Brine:
        return QStringLiteral("Tlo_solanka");
    default:
        return QStringLiteral("Tlo_ryby");
    }
}
} // namespace

QString CalculatorPage::backgroundFile() const
{
    return backgroundStem(m_id) + QStringLiteral(".jpg");
}

QString CalculatorPage::noBackgroundFile() const
{
    return backgroundStem(m_id) + QStringLiteral(".nil");
}

QList<QLabel *> CalculatorPage::labelsWithFontMenu() const
{
    QList<QLabel *> labels;
    for (const LabelFontGroup &group : fontGroups())
        labels << group.openedFrom;
    return labels;
}

FittedLabel *CalculatorPage::addLabel(
    const char *name, const QString &text, int x, int y, QWidget *parent)
{
    auto *label = new FittedLabel(QString::fromLatin1(name), text, parent ? parent : this);
    label->move(x, y);
    return label;
}

int CalculatorPage::fittedWidth(FittedLabel *label)
{
    label->fit();
    return label->width();
}

int CalculatorPage::fittedHeight(FittedLabel *label)
{
    label->fit();
    return label->height();
}

QLineEdit *CalculatorPage::addDecimalField(const char *name, const QString &text,
    const QRect &geometry, DecimalInputFilter *filter, QWidget *parent)
{
    auto *edit = new QLineEdit(text, parent ? parent : this);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setGeometry(geometry);
    filter->attach(edit);
    return edit;
}

ExportLines &ExportLines::blank()
{
    m_lines << QString();
    return *this;
}

ExportLines &ExportLines::caption(const QWidget *label)
{
    m_lines << of(label);
    return *this;
}

ExportLines &ExportLines::pair(const QWidget *caption, const QWidget *value)
{
    m_lines << of(caption) + QStringLiteral("   ") + of(value);
    return *this;
}

ExportLines &ExportLines::text(const QString &line)
{
    m_lines << line;
    return *this;
}

QString ExportLines::of(const QWidget *control)
{
    if (auto *label = qobject_cast<const QLabel *>(control))
        return label->text();
    if (auto *edit = qobject_cast<const QLineEdit *>(control))
        return edit->text();
    if (auto *list = qobject_cast<const QComboBox *>(control))
        return list->currentText();
    return {};
}
