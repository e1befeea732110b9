#include "app/VersionDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString recipesText(int count)
{
    if (count < 0)
        return QStringLiteral("nieczytelna");
    // Polish plural: 1 przepis, 2-4 przepisy (but 12-14 przepisów), otherwise przepisów.
    const int tens = count % 100, ones = count % 10;
    const char *word = count == 1                              ? "przepis"
        : (ones >= 2 && ones <= 4 && (tens < 12 || tens > 14)) ? "przepisy"
                                                               : "przepisów";
    return QStringLiteral("%1 %2").arg(count).arg(QString::fromUtf8(word));
}

} // namespace

VersionDialog::VersionDialog(const QList<bookhistory::Version> &versions, QWidget *parent)
    : QDialog(parent)
    , m_versions(versions)
{
    setObjectName(QStringLiteral("VersionDialog"));
    setWindowTitle(QStringLiteral("Przywróć poprzednią wersję"));
    auto *label = new QLabel(
        QStringLiteral("Wybierz wersję książki. Obecna zostanie zachowana jako kolejna wersja."),
        this);
    label->setWordWrap(true);
    VersionList = new QListWidget(this);
    VersionList->setObjectName(QStringLiteral("VersionList"));
    const QLocale polish(QLocale::Polish, QLocale::Poland);
    for (const bookhistory::Version &v : versions)
        VersionList->addItem(
            QStringLiteral("%1   —   %2")
                .arg(polish.toString(v.time, QStringLiteral("d MMMM yyyy, HH:mm:ss")),
                    recipesText(v.recipes)));
    VersionList->setCurrentRow(0);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Przywróć"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Anuluj"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(VersionList, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(VersionList);
    layout->addWidget(buttons);
    resize(460, 360);
}

QString VersionDialog::chosenPath() const
{
    const int row = VersionList->currentRow();
    return row >= 0 && row < m_versions.size() ? m_versions[row].path : QString();
}
