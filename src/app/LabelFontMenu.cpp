#include "app/LabelFontMenu.h"

#include "app/CalculatorPage.h"
#include "core/AppPaths.h"
#include "core/SafeFile.h"
#include "core/Win1250.h"
#include "platform/Platform.h"
#include "platform/Settings.h"

#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>

LabelFontMenu::LabelFontMenu(QWidget *form, QMenu *menu, QList<CalculatorPage *> pages,
    std::function<CalculatorPage *()> activePage)
    : QObject(form)
    , m_form(form)
    , m_menu(menu)
    , m_pages(std::move(pages))
    , m_activePage(std::move(activePage))
{ }

void LabelFontMenu::attach()
{
    for (CalculatorPage *page : std::as_const(m_pages))
        for (QLabel *label : page->labelsWithFontMenu())
            label->installEventFilter(this);
}

int LabelFontMenu::SelectedLabel() const
{
    return m_selected ? m_selected->objectName().mid(5).toInt() : 0;
}

bool LabelFontMenu::eventFilter(QObject *watched, QEvent *event)
{
    auto *label = qobject_cast<QLabel *>(watched);
    if (!label)
        return false;
    if (event->type() == QEvent::MouseButtonPress) {
        // Any mouse button selects the label, as the right click that opens the menu does.
        m_selected = label;
    } else if (event->type() == QEvent::ContextMenu) {
        m_selected = label;
        m_menu->popup(static_cast<QContextMenuEvent *>(event)->globalPos());
        return true;
    }
    return false;
}

void LabelFontMenu::Zmienkolor1Click()
{
    for (CalculatorPage *page : std::as_const(m_pages)) {
        for (const LabelFontGroup &group : page->fontGroups()) {
            if (!m_selected || !group.openedFrom.contains(m_selected))
                continue;
            StoredFont font = StoredFont::of(group.labels.first());
            const QColor colour = colorFromTColor(font.color);
            if (const auto chosen = Platform::get().chooseFont({font.font, colour})) {
                font.font = chosen->font;
                // An unchanged colour keeps its stored number, a system colour among them.
                if (chosen->color.isValid() && chosen->color != colour)
                    font.color = tColorFromColor(chosen->color);
                for (QLabel *label : group.labels)
                    font.applyTo(label);
            }
            page->UlozEtykiety();
            return;
        }
    }
}

void LabelFontMenu::Zapiszkolor1Click()
{
    CalculatorPage *page = m_activePage();
    if (!page)
        return;
    QList<QPair<int, StoredFont>> fonts;
    for (const LabelFontGroup &group : page->fontGroups())
        fonts.append({group.number, StoredFont::of(group.labels.first())});
    Settings().ZapiszCzcionki(fonts);
}

void LabelFontMenu::writeLabelList()
{
    QString text;
    for (int i = 1; i <= 79; ++i) {
        const QLabel *l = m_form->findChild<QLabel *>(QStringLiteral("Label%1").arg(i));
        text += QStringLiteral("form1.Label%1.Caption:=").arg(i) + (l ? l->text() : QString())
            + QStringLiteral("\r\n");
    }
    safefile::write(AppPaths::file(QStringLiteral("labele.txt")), win1250::encode(text));
}
