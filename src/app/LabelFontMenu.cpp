#include "app/LabelFontMenu.h"

#include "app/FontGroups.h"
#include "core/AppPaths.h"
#include "core/SafeFile.h"
#include "core/Win1250.h"
#include "platform/FontSettings.h"
#include "platform/IniFile.h"
#include "platform/Platform.h"

#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QWidget>

LabelFontMenu::LabelFontMenu(
    QWidget *form, QMenu *menu, std::function<int()> activePage, std::function<void()> relayout)
    : QObject(form)
    , m_form(form)
    , m_menu(menu)
    , m_activePage(std::move(activePage))
    , m_relayout(std::move(relayout))
{ }

QLabel *LabelFontMenu::label(int number) const
{
    return m_form->findChild<QLabel *>(QStringLiteral("Label%1").arg(number));
}

void LabelFontMenu::attach()
{
    for (int n : labelsWithFontMenu())
        if (QLabel *l = label(n))
            l->installEventFilter(this);
}

bool LabelFontMenu::eventFilter(QObject *watched, QEvent *event)
{
    auto *l = qobject_cast<QLabel *>(watched);
    if (!l)
        return false;
    if (event->type() == QEvent::MouseButtonPress) {
        // Any mouse button selects the label, as the right click that opens the menu does.
        m_selected = l->objectName().mid(5).toInt();
    } else if (event->type() == QEvent::ContextMenu) {
        m_selected = l->objectName().mid(5).toInt();
        m_menu->popup(static_cast<QContextMenuEvent *>(event)->globalPos());
        return true;
    }
    return false;
}

void LabelFontMenu::Zmienkolor1Click()
{
    if (const FontGroup *group = fontGroupOpenedFrom(m_selected)) {
        QLabel *first = label(group->labels.first());
        if (first) {
            StoredFont font = StoredFont::of(first);
            if (const auto chosen = Platform::get().chooseFont(font.font)) {
                font.font = *chosen;
                for (int n : group->labels)
                    if (QLabel *l = label(n))
                        font.applyTo(l);
            }
        }
    }
    m_relayout();
}

void LabelFontMenu::Zapiszkolor1Click()
{
    const QList<int> groups = fontGroupsSavedOnPage(m_activePage());
    if (groups.isEmpty())
        return;
    IniFile file(AppPaths::settingsFile());
    for (const FontGroup &group : fontGroups())
        if (groups.contains(group.number))
            if (QLabel *first = label(group.labels.first()))
                ZapiszCzcionke(group.number, file, StoredFont::of(first));
}

void LabelFontMenu::writeLabelList()
{
    QString text;
    for (int i = 1; i <= 79; ++i) {
        const QLabel *l = label(i);
        text += QStringLiteral("form1.Label%1.Caption:=").arg(i) + (l ? l->text() : QString())
            + QStringLiteral("\r\n");
    }
    safefile::write(AppPaths::file(QStringLiteral("labele.txt")), win1250::encode(text));
}
