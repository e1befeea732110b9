#pragma once

#include "cookbook/BookHistory.h"

#include <QDialog>

class QListWidget;

// "Przywróć poprzednią wersję...": the kept versions of the book, newest first, with their time
// and number of recipes; the one chosen is restored.
class VersionDialog : public QDialog
{
    Q_OBJECT

public:
    VersionDialog(const QList<bookhistory::Version> &versions, QWidget *parent);

    // The chosen version's file, or empty.
    QString chosenPath() const;

    QListWidget *VersionList;

private:
    QList<bookhistory::Version> m_versions;
};
