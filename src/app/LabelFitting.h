#pragma once

#include <QLayout>

// A layout that places nothing. A label that changes its text tells its parent's layout at once
// (QLabel calls updateGeometry, which invalidates the parent's layout); this one answers by
// refitting the parent's FittedLabel children, so their size follows every new text.
class LabelFitting : public QLayout
{
public:
    // Gives the widget such a layout unless it has one.
    static void install(QWidget *widget);

    void invalidate() override;
    void addItem(QLayoutItem *) override { }
    QLayoutItem *itemAt(int) const override { return nullptr; }
    QLayoutItem *takeAt(int) override { return nullptr; }
    int count() const override { return 0; }
    QSize sizeHint() const override { return {}; }

private:
    explicit LabelFitting(QWidget *widget);
};
