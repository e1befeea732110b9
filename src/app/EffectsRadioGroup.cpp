#include "app/EffectsRadioGroup.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

EffectsRadioGroup::EffectsRadioGroup(const QString &name, const QString &caption,
    const QStringList &items, int columns, int itemIndex, QWidget *parent)
    : QGroupBox(caption, parent)
    , m_group(new QButtonGroup(this))
{
    setObjectName(name);
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(8, 2, 4, 2);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(0);
    const int rows = (int(items.size()) + columns - 1) / columns;
    for (int i = 0; i < items.size(); ++i) {
        auto *radio = new QRadioButton(items[i], this);
        radio->setObjectName(name + QString::number(i));
        m_group->addButton(radio, i);
        // Filled column by column, as a radio group with columns lists its items.
        grid->addWidget(radio, i % rows, i / rows);
    }
    setItemIndex(itemIndex);
    connect(m_group, &QButtonGroup::idClicked, this, &EffectsRadioGroup::Click);
}

int EffectsRadioGroup::ItemIndex() const
{
    return m_group->checkedId();
}

void EffectsRadioGroup::setItemIndex(int index)
{
    if (QAbstractButton *radio = m_group->button(index))
        radio->setChecked(true);
}

QRadioButton *EffectsRadioGroup::item(int index) const
{
    return qobject_cast<QRadioButton *>(m_group->button(index));
}
