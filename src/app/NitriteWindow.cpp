#include "app/NitriteWindow.h"

#include "controls/DecimalInputFilter.h"
#include "core/Clock.h"
#include "platform/ErrorHandler.h"
#include "platform/Settings.h"

#include <QBoxLayout>
#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTableWidget>

namespace {

const QColor kWarning(0xC0, 0x00, 0x00);

QLabel *namedLabel(const char *name, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

QString dateText(QDate d)
{
    return d.toString(QStringLiteral("d.MM.yyyy"));
}

QString periodText(const NitriteLimit &limit)
{
    if (!limit.from.isNull() && !limit.until.isNull())
        return dateText(limit.from) + QStringLiteral(" – ") + dateText(limit.until);
    if (!limit.from.isNull())
        return QStringLiteral("od ") + dateText(limit.from);
    if (!limit.until.isNull())
        return QStringLiteral("do ") + dateText(limit.until);
    return QString();
}

} // namespace

NitriteWindow::NitriteWindow(QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_filter(new DecimalInputFilter(this))
{
    setObjectName(QStringLiteral("NitriteWindow"));
    setWindowTitle(QStringLiteral("Azotyn w peklowaniu"));

    NoteLabel = namedLabel("NoteLabel", QString(), this);
    NoteLabel->setWordWrap(true);
    MeatEdit = addField("MeatEdit");
    SaltEdit = addField("SaltEdit");
    PercentEdit = addField("PercentEdit");
    MethodBox = new QComboBox(this);
    MethodBox->setObjectName(QStringLiteral("MethodBox"));
    MethodBox->addItems(
        {QStringLiteral("Nacieranie na sucho"), QStringLiteral("Wymieszanie z mięsem mielonym"),
            QStringLiteral("Solanka (zalewa lub nastrzyk)")});
    WaterEdit = addField("WaterEdit");
    UptakeEdit = addField("UptakeEdit");
    UptakeEdit->setText(QStringLiteral("10"));

    auto *form = new QFormLayout;
    form->addRow(
        namedLabel("MeatCaption", QStringLiteral("Mięso przed peklowaniem (kg):"), this), MeatEdit);
    form->addRow(namedLabel("SaltCaption", QStringLiteral("Peklosól (g):"), this), SaltEdit);
    form->addRow(namedLabel("PercentCaption", QStringLiteral("Azotyn sodu w peklosoli (%):"), this),
        PercentEdit);
    auto *percentHint = namedLabel("PercentHint",
        QStringLiteral("peklosól w Polsce: 0,5–0,6 %; mieszanki peklujące: 6,25 %"), this);
    percentHint->setEnabled(false);
    form->addRow(QString(), percentHint);
    form->addRow(namedLabel("MethodCaption", QStringLiteral("Sposób:"), this), MethodBox);
    WaterCaption = namedLabel("WaterCaption", QStringLiteral("Woda w solance (l):"), this);
    form->addRow(WaterCaption, WaterEdit);
    UptakeCaption = namedLabel("UptakeCaption",
        QStringLiteral("Solanka wchłonięta (% masy mięsa, nastrzyk + zalewa):"), this);
    form->addRow(UptakeCaption, UptakeEdit);

    ResultLabel = namedLabel("ResultLabel", QString(), this);
    IonResultLabel = namedLabel("IonResultLabel", QString(), this);
    EquilibriumCaption = namedLabel("EquilibriumCaption",
        QStringLiteral("Górna granica (azotyn rozłożony na mięso i solankę):"), this);
    EquilibriumResultLabel = namedLabel("EquilibriumResultLabel", QString(), this);
    QFont bold = ResultLabel->font();
    bold.setBold(true);
    ResultLabel->setFont(bold);
    form->addRow(
        namedLabel("ResultCaption", QStringLiteral("Azotyn sodu w mięsie:"), this), ResultLabel);
    form->addRow(namedLabel("IonCaption", QStringLiteral("Jako jon azotynowy (× 0,67):"), this),
        IonResultLabel);
    form->addRow(EquilibriumCaption, EquilibriumResultLabel);

    WarningLabel = namedLabel("WarningLabel", QString(), this);
    WarningLabel->setWordWrap(true);
    QPalette warning = WarningLabel->palette();
    warning.setColor(QPalette::WindowText, kWarning);
    WarningLabel->setPalette(warning);

    LimitsTable = new QTableWidget(this);
    LimitsTable->setObjectName(QStringLiteral("LimitsTable"));
    fillLimits();

    auto *left = new QVBoxLayout;
    left->addWidget(NoteLabel);
    left->addLayout(form);
    left->addWidget(WarningLabel);
    left->addStretch(1);
    // The limits under the calculation, full width, so every column reads without scrolling.
    auto *rows = new QVBoxLayout(this);
    rows->addLayout(left);
    rows->addWidget(LimitsTable, 1);
    resize(900, 690);

    {
        const QSignalBlocker quiet(PercentEdit);
        m_savedPercent = Settings().nitritePercent();
        PercentEdit->setText(m_savedPercent);
    }
    for (QLineEdit *edit : {MeatEdit, SaltEdit, PercentEdit, WaterEdit, UptakeEdit})
        connect(
            edit, &QLineEdit::textChanged, this, [this] { runGuarded([this] { recalculate(); }); });
    connect(PercentEdit, &QLineEdit::editingFinished, this,
        [this] { runGuarded([this] { savePercent(); }); });
    connect(MethodBox, &QComboBox::currentIndexChanged, this, [this] {
        showBrineFields();
        runGuarded([this] { recalculate(); });
    });
    showBrineFields();
}

QLineEdit *NitriteWindow::addField(const char *name)
{
    auto *edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setAlignment(Qt::AlignRight);
    m_filter->attach(edit);
    return edit;
}

void NitriteWindow::fillLimits()
{
    const QList<NitriteLimit> &limits = nitriteLimits();
    LimitsTable->setColumnCount(5);
    LimitsTable->setRowCount(int(limits.size()));
    LimitsTable->setHorizontalHeaderLabels({QStringLiteral("Obszar"), QStringLiteral("Produkt"),
        QStringLiteral("Limit"), QStringLiteral("Obowiązuje"), QStringLiteral("Źródło")});
    LimitsTable->verticalHeader()->hide();
    LimitsTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    LimitsTable->setWordWrap(true);
    for (int row = 0; row < limits.size(); ++row) {
        const NitriteLimit &l = limits[row];
        QString source = l.source;
        if (!l.checked)
            source += QStringLiteral(" – nie sprawdzono ze źródłem");
        const QString cells[] = {l.region, l.product, limitText(l), periodText(l), source};
        for (int column = 0; column < 5; ++column) {
            auto *item = new QTableWidgetItem(cells[column]);
            item->setToolTip(cells[column]);
            LimitsTable->setItem(row, column, item);
        }
    }
    LimitsTable->horizontalHeader()->setStretchLastSection(true);
    LimitsTable->resizeColumnsToContents();
    LimitsTable->setColumnWidth(1, 230);
    LimitsTable->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    LimitsTable->setTextElideMode(Qt::ElideNone);
    // The sources wrap to the width the last column gets once the window is laid out.
    LimitsTable->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    LimitsTable->resizeRowsToContents();
}

void NitriteWindow::showBrineFields()
{
    const bool brine = MethodBox->currentIndex() == int(CureMethod::Brine);
    for (QWidget *w : std::initializer_list<QWidget *> {WaterCaption, WaterEdit, UptakeCaption,
             UptakeEdit, EquilibriumCaption, EquilibriumResultLabel})
        w->setVisible(brine);
}

void NitriteWindow::prefill(const NitritePrefill &values)
{
    {
        const QSignalBlocker a(MeatEdit), b(SaltEdit), c(WaterEdit), d(MethodBox);
        MeatEdit->setText(values.meat);
        SaltEdit->setText(values.salt);
        WaterEdit->setText(values.water);
        MethodBox->setCurrentIndex(int(values.method));
    }
    NoteLabel->setText(values.note);
    NoteLabel->setVisible(!values.note.isEmpty());
    showBrineFields();
    recalculate();
}

void NitriteWindow::recalculate()
{
    const auto method = CureMethod(MethodBox->currentIndex());
    const NitriteResult r = computeNitrite({MeatEdit->text(), SaltEdit->text(), PercentEdit->text(),
        method, WaterEdit->text(), UptakeEdit->text()});
    // Figures left from other inputs would read as the answer to these.
    ResultLabel->setText(r.text(NitriteTarget::SodiumNitrite));
    IonResultLabel->setText(r.text(NitriteTarget::NitriteIon));
    EquilibriumResultLabel->setText(r.text(NitriteTarget::Equilibrium));
    const QString warning = r.sodiumNitrite
        ? limitWarning(passedLimits(method, *r.sodiumNitrite, Clock::today()))
        : QString();
    WarningLabel->setText(warning);
    QPalette palette = ResultLabel->palette();
    palette.setColor(QPalette::WindowText,
        warning.isEmpty() ? IonResultLabel->palette().color(QPalette::WindowText) : kWarning);
    ResultLabel->setPalette(palette);
    r.raise();
}

void NitriteWindow::savePercent()
{
    const QString percent = PercentEdit->text();
    if (percent == m_savedPercent || !Fixed4::tryParse(percent, nullptr))
        return;
    Settings().setNitritePercent(percent);
    m_savedPercent = percent;
}

void NitriteWindow::closeEvent(QCloseEvent *event)
{
    runGuarded([this] { savePercent(); });
    QWidget::closeEvent(event);
}
