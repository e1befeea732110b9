#include "app/FontGroups.h"

const QList<FontGroup> &fontGroups()
{
    static const QList<FontGroup> groups = {
        {1, 0, {1, 2}, {1, 2}},
        {2, 0, {26, 27}, {26, 27}},
        {3, 0, {3, 5, 7, 9, 11, 13, 15, 17, 49, 50, 57, 58},
            {3, 5, 7, 9, 11, 13, 15, 17, 49, 50, 57, 58}},
        {4, 0, {4, 6, 8, 10, 12, 14, 16, 18, 54, 55, 59, 60},
            {4, 6, 8, 10, 12, 14, 16, 18, 54, 55, 59, 60}},
        {5, 1, {19}, {19}},
        {6, 1, {20, 22, 23, 34, 35, 36}, {20, 22, 23, 34, 35, 36}},
        {7, 1, {21, 24, 25, 37, 39, 43}, {21, 24, 25, 37, 39, 43}},
        {8, 2, {28, 29, 30}, {28, 29, 30}},
        {9, 1, {38}, {38}},
        {10, 1, {45, 44}, {45, 44}},
        {11, 0, {56}, {56}},
        {12, 3, {61, 62, 69, 88, 89}, {61, 62, 69}},
        {13, 3, {63, 64, 65}, {63, 64, 65}},
        {14, 3, {66, 67, 68}, {66, 67, 68}},
    };
    return groups;
}

const FontGroup *fontGroupOpenedFrom(int labelNumber)
{
    for (const FontGroup &g : fontGroups())
        if (g.openedFrom.contains(labelNumber))
            return &g;
    return nullptr;
}

QList<int> fontGroupsSavedOnPage(int page)
{
    switch (page) {
    case 0:
        return {1, 2, 3, 4, 11};
    case 1:
        return {5, 6, 7, 9, 10};
    case 2:
        return {8};
    case 3:
        return {12, 13, 14};
    default:
        return {};
    }
}

const QList<int> &labelsWithFontMenu()
{
    static const QList<int> numbers = [] {
        QList<int> n;
        for (int i = 1; i <= 30; ++i)
            n << i;
        for (int i = 34; i <= 39; ++i)
            n << i;
        n << 43 << 44 << 45 << 49 << 50;
        for (int i = 54; i <= 69; ++i)
            n << i;
        for (int i = 91; i <= 96; ++i)
            n << i;
        return n;
    }();
    return numbers;
}
