#include "app/OwnProportionsPanel.h"

#include "app/FittedLabel.h"
#include "app/LabelFitting.h"
#include "controls/DecimalInputFilter.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QKeySequence>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

namespace {
constexpr int kWidth = 401;
constexpr int kFirstRow = 36;
constexpr int kRowPitch = 36;
constexpr int kEditLeft = 190;
constexpr int kReferenceLeft = 295;
} // namespace

OwnProportionsPanel::OwnProportionsPanel(const Names &names, const QString &title, int height,
    const QString &referenceHint, const QList<Row> &rows, DecimalInputFilter *filter,
    QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QString::fromLatin1(names.panel));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(2);
    setGeometry(150, 250, kWidth, height);
    setAutoFillBackground(true);
    hide();
    auto *box = new QGroupBox(title, this);
    box->setObjectName(QString::fromLatin1(names.groupBox));
    box->setGeometry(8, 6, kWidth - 16, height - 14);
    LabelFitting::install(box);
    m_box = box;

    m_nextRowTop = kFirstRow;
    for (const Row &row : rows) {
        auto *label = new FittedLabel(QString::fromLatin1(row.labelName), row.caption, box);
        label->move(20, m_nextRowTop + 4);
        labels << label;
        auto *edit = new QLineEdit(box);
        edit->setObjectName(QString::fromLatin1(row.editName));
        edit->setGeometry(kEditLeft, m_nextRowTop, 90, 24);
        filter->attach(edit);
        edits << edit;
        auto *reference
            = new FittedLabel(QString::fromLatin1(row.referenceName), row.reference, box);
        reference->move(kReferenceLeft, m_nextRowTop + 4);
        reference->setToolTip(referenceHint);
        m_nextRowTop += kRowPitch;
        connect(edit, &QLineEdit::returnPressed, this, [this] { saveButton->click(); });
    }

    saveButton = new QPushButton(QStringLiteral("Zapisz zmiany"), box);
    saveButton->setObjectName(QString::fromLatin1(names.saveButton));
    saveButton->setGeometry(100, height - 73, 120, 30);
    cancelButton = new QPushButton(QStringLiteral("Anuluj"), box);
    cancelButton->setObjectName(QString::fromLatin1(names.cancelButton));
    cancelButton->setGeometry(240, height - 73, 120, 30);
    connect(saveButton, &QPushButton::clicked, this, &OwnProportionsPanel::saveClicked);
    connect(cancelButton, &QPushButton::clicked, this, &OwnProportionsPanel::cancelClicked);
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    connect(escape, &QShortcut::activated, this, &OwnProportionsPanel::cancelClicked);
}

QCheckBox *OwnProportionsPanel::addCheckBox(const char *name, const QString &caption)
{
    auto *check = new QCheckBox(caption, m_box);
    check->setObjectName(QString::fromLatin1(name));
    check->setGeometry(20, m_nextRowTop + 4, 300, 24);
    m_nextRowTop += kRowPitch;
    return check;
}

void OwnProportionsPanel::open()
{
    move(150, 250);
    show();
    raise();
    if (!edits.isEmpty())
        edits.first()->setFocus();
}
