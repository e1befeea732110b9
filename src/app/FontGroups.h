#pragma once

#include <QList>

// The numbered font groups of the calculator pages' labels. The first label of a group is its
// representative: the stored font is read into it and copied to the others.
struct FontGroup
{
    int number;
    int page;
    QList<int> labels; // representative first
    QList<int> openedFrom; // labels whose "Zmień czcionkę" changes this group
};

const QList<FontGroup> &fontGroups();
// The group a right-clicked label opens, or nullptr.
const FontGroup *fontGroupOpenedFrom(int labelNumber);
// The groups "Zapisz Czcionkę" writes for a page, in order.
QList<int> fontGroupsSavedOnPage(int page);
// The label numbers that carry the label popup menu.
const QList<int> &labelsWithFontMenu();
