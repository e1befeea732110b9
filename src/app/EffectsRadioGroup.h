#pragma once

#include <QGroupBox>

class QButtonGroup;
class QRadioButton;

// A captioned group of radio items laid out in columns, one always chosen. Click is emitted when
// the user clicks an item, never when the program chooses one.
class EffectsRadioGroup : public QGroupBox
{
    Q_OBJECT

public:
    // The items are named after the group: name + their index.
    EffectsRadioGroup(const QString &name, const QString &caption, const QStringList &items,
        int columns, int itemIndex, QWidget *parent);

    int ItemIndex() const;
    void setItemIndex(int index);
    QRadioButton *item(int index) const;

signals:
    void Click();

private:
    QButtonGroup *m_group;
};
