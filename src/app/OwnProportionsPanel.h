#pragma once

#include <QFrame>
#include <QList>

class DecimalInputFilter;
class FittedLabel;
class QCheckBox;
class QLineEdit;
class QPushButton;

// The small panel of the user's own proportions per kg of meat (wet and dry curing): one numeric
// field per proportion with the reference value beside it, "Zapisz zmiany" and "Anuluj". Enter
// in a field saves, Esc cancels.
class OwnProportionsPanel : public QFrame
{
    Q_OBJECT

public:
    struct Row
    {
        const char *labelName;
        QString caption;
        const char *editName;
        const char *referenceName;
        QString reference;
    };
    struct Names
    {
        const char *panel, *groupBox, *saveButton, *cancelButton;
    };

    OwnProportionsPanel(const Names &names, const QString &title, int height,
        const QString &referenceHint, const QList<Row> &rows, DecimalInputFilter *filter,
        QWidget *parent);

    // A check box under the fields.
    QCheckBox *addCheckBox(const char *name, const QString &caption);
    // Shows the panel at its place over the page, the first field ready for typing.
    void open();

    QList<FittedLabel *> labels;
    QList<QLineEdit *> edits;
    QPushButton *saveButton, *cancelButton;

signals:
    void saveClicked();
    void cancelClicked();

private:
    QWidget *m_box;
    int m_nextRowTop;
};
