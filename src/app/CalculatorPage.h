#pragma once

#include "platform/PageId.h"

#include <QList>
#include <QStringList>
#include <QWidget>

class DecimalInputFilter;
class FittedLabel;
class PageBackground;
class QLabel;
class QLineEdit;

// Labels sharing one stored font group. The first label is the representative: the stored font
// is read into it and copied to the others.
struct LabelFontGroup
{
    int number;
    QList<QLabel *> labels;
    QList<QLabel *> openedFrom; // labels whose "Zmień czcionkę" changes this group
};

// What the rest of the program knows of a calculator page. Each page declares its font groups,
// what "Zapisz obliczenia" writes, how its values follow their captions and how it recalculates,
// so adding or renaming a label touches only the page.
class CalculatorPage : public QWidget
{
    Q_OBJECT

public:
    PageId id() const { return m_id; }
    // The page's picture, under everything else on it.
    PageBackground *background() const { return m_background; }
    QString builtInPicture() const { return m_builtInPicture; }
    // The file beside the program that keeps the page's background ("Tlo_mokre.jpg"), and the
    // name stored for a page saved without one ("Tlo_mokre.nil", never created).
    QString backgroundFile() const;
    QString noBackgroundFile() const;

    virtual void recalculate() = 0;
    // Puts each value beside its caption, after a caption's font changed.
    virtual void UlozEtykiety() = 0;
    // In the order "Zapisz Czcionkę" writes them.
    virtual QList<LabelFontGroup> fontGroups() const = 0;
    // The labels that open the label menu: those of the groups, and any the page adds.
    virtual QList<QLabel *> labelsWithFontMenu() const;
    // The export file's name before the date, and the lines after its header.
    virtual QString exportStem() const = 0;
    virtual QStringList exportLines() const = 0;

protected:
    // The background is named backgroundName and shows the built-in picture until the settings
    // say otherwise.
    CalculatorPage(
        PageId id, const QString &backgroundName, const QString &builtInPicture, QWidget *parent);

    // A caption at a place on the page (or on `parent`).
    FittedLabel *addLabel(
        const char *name, const QString &text, int x, int y, QWidget *parent = nullptr);
    // The label's width for its text, measured now if it is not showing yet.
    static int fittedWidth(FittedLabel *label);
    static int fittedHeight(FittedLabel *label);
    // A numeric field that takes only digits and one comma.
    QLineEdit *addDecimalField(const char *name, const QString &text, const QRect &geometry,
        DecimalInputFilter *filter, QWidget *parent = nullptr);

private:
    PageId m_id;
    PageBackground *m_background;
    QString m_builtInPicture;
};

// Export lines made of the controls' texts: a caption and its value three blanks apart.
class ExportLines
{
public:
    ExportLines &blank();
    ExportLines &caption(const QWidget *label);
    ExportLines &pair(const QWidget *caption, const QWidget *value);
    ExportLines &text(const QString &line);
    QStringList lines() const { return m_lines; }

    // A label's caption, a field's text, a list's chosen item.
    static QString of(const QWidget *control);

private:
    QStringList m_lines;
};
