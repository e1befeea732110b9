#include "app/RecipeBrowser.h"

#include "app/ItemText.h"
#include "controls/DecimalInputFilter.h"
#include "cookbook/Book.h"
#include "cookbook/BrowserRules.h"
#include "cookbook/ShownText.h"
#include "platform/ErrorHandler.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QTreeWidget>

using namespace browserrules;

namespace {

constexpr int kSpacing = 6;

// The two node pictures: a closed book for a node, an open one for a selected node.
QIcon nodeIcon()
{
    auto draw = [](bool open) {
        QPixmap pm(16, 16);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        const QColor cover(0x8B, 0x3A, 0x2B);
        if (open) {
            p.setPen(QPen(cover, 1));
            p.setBrush(QColor(0xFF, 0xF8, 0xE7));
            p.drawRect(QRectF(1.5, 3.5, 6, 10));
            p.drawRect(QRectF(8.5, 3.5, 6, 10));
            p.setPen(QColor(0xB0, 0x9A, 0x80));
            for (int y = 6; y <= 11; y += 2) {
                p.drawLine(3, y, 6, y);
                p.drawLine(10, y, 13, y);
            }
        } else {
            p.setPen(QPen(cover.darker(130), 1));
            p.setBrush(cover);
            p.drawRoundedRect(QRectF(3.5, 1.5, 10, 13), 1.5, 1.5);
            p.setPen(QColor(0xE8, 0xC8, 0x70));
            p.drawLine(6, 5, 11, 5);
            p.drawLine(6, 7, 11, 7);
        }
        return pm;
    };
    QIcon icon;
    icon.addPixmap(draw(false), QIcon::Normal);
    icon.addPixmap(draw(true), QIcon::Selected);
    return icon;
}

QTreeWidgetItem *addNode(QTreeWidgetItem *parent, const QString &text, const QIcon &icon)
{
    auto *node = new QTreeWidgetItem(parent);
    itemtext::set(node, text);
    node->setIcon(0, icon);
    return node;
}

} // namespace

RecipeBrowser::RecipeBrowser(Book &book, DecimalInputFilter *filter, QWidget *parent)
    : QWidget(parent)
    , m_book(book)
{
    setObjectName(QStringLiteral("BrowserColumn"));
    TreeView1 = new QTreeWidget(this);
    TreeView1->setObjectName(QStringLiteral("TreeView1"));
    TreeView1->setHeaderHidden(true);
    TreeView1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    TreeView1->setIndentation(35);
    TreeView1->setIconSize(QSize(16, 16));

    Label77 = new QLabel(QStringLiteral("Porcje"), this);
    Label77->setObjectName(QStringLiteral("Label77"));
    Label77->installEventFilter(this);

    Edit13 = new QLineEdit(QStringLiteral("1"), this);
    Edit13->setObjectName(QStringLiteral("Edit13"));
    Edit13->setToolTip(QStringLiteral("Wpisz inną ilosc"));
    Edit13->setAlignment(Qt::AlignRight);
    filter->attach(Edit13);

    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ListBox1->setUniformItemSizes(true);
    ListBox1->setContextMenuPolicy(Qt::CustomContextMenu);
    ListBox1->viewport()->installEventFilter(this);

    CheckBox2 = new QCheckBox(QStringLiteral("Edytor zewnętrzny"), this);
    CheckBox2->setObjectName(QStringLiteral("CheckBox2"));

    auto *portions = new QHBoxLayout;
    portions->setSpacing(8);
    portions->addWidget(Label77);
    portions->addWidget(Edit13, 1);
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(kSpacing);
    column->addWidget(TreeView1, 5);
    column->addLayout(portions);
    column->addWidget(ListBox1, 6);
    column->addWidget(CheckBox2);

    connect(TreeView1, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem *current) {
        runGuarded([this, current] { SelectTreeNode(current); });
    });
    connect(
        ListBox1, &QListWidget::itemClicked, this, handler(this, &RecipeBrowser::SelectListEntry));
    // Keys move through the list like clicks; a mouse press is answered by its click.
    connect(ListBox1, &QListWidget::currentRowChanged, this, [this] {
        if (ListBox1->hasFocus() && !m_listMouseDown)
            runGuarded([this] { SelectListEntry(); });
    });
    connect(ListBox1, &QListWidget::itemSelectionChanged, this,
        [this] { emit selectionChanged(selectedCount() > 0); });
    connect(ListBox1, &QWidget::customContextMenuRequested, this,
        [this](const QPoint &pos) { emit listMenuWanted(ListBox1->viewport()->mapToGlobal(pos)); });
    connect(Edit13, &QLineEdit::textChanged, this, &RecipeBrowser::portionsEdited);
}

void RecipeBrowser::showEvent(QShowEvent *event)
{
    // The large portions row gets its fonts when first seen: loading them is a good part of
    // the start-up of a window that opens on another page.
    if (!m_largeFonts) {
        m_largeFonts = true;
        QFont captionFont = Label77->font();
        captionFont.setPixelSize(16);
        Label77->setFont(captionFont);
        QFont fieldFont = Edit13->font();
        fieldFont.setPixelSize(19);
        Edit13->setFont(fieldFont);
    }
    QWidget::showEvent(event);
}

bool RecipeBrowser::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Label77 && event->type() == QEvent::MouseButtonPress)
        emit portionsCaptionClicked();
    if (watched == ListBox1->viewport()) {
        if (event->type() == QEvent::MouseButtonPress
            || event->type() == QEvent::MouseButtonDblClick)
            m_listMouseDown = true;
        else if (event->type() == QEvent::MouseButtonRelease)
            m_listMouseDown = false;
    }
    return QWidget::eventFilter(watched, event);
}

void RecipeBrowser::createGroupNodes()
{
    {
        const QSignalBlocker quiet(TreeView1);
        TreeView1->clear();
        const QIcon icon = nodeIcon();
        QTreeWidgetItem *groups[3];
        const QString names[]
            = {QStringLiteral("Cała książka"), QStringLiteral("Kuchnia"), QStringLiteral("Autor")};
        for (int i = 0; i < 3; ++i) {
            groups[i] = new QTreeWidgetItem(TreeView1, QStringList {names[i]});
            groups[i]->setIcon(0, icon);
        }
        m_allNode = groups[0];
        m_cuisineNode = groups[1];
        m_authorNode = groups[2];
    }
    ListBox1->clear();
}

void RecipeBrowser::clearAll()
{
    TreeView1->clear();
    m_allNode = m_cuisineNode = m_authorNode = nullptr;
    ListBox1->clear();
}

void RecipeBrowser::fill()
{
    if (!m_allNode)
        createGroupNodes();
    const Nodes nodes = treeNodes(m_book);
    const QIcon icon = nodeIcon();
    const std::pair<QTreeWidgetItem *, const QStringList *> groups[]
        = {{m_allNode, &nodes.categories}, {m_cuisineNode, &nodes.cuisines},
            {m_authorNode, &nodes.authors}};
    for (auto [node, texts] : groups)
        for (const QString &text : *texts)
            addNode(node, text, icon);
    {
        const QSignalBlocker quiet(TreeView1);
        TreeView1->setCurrentItem(m_allNode);
    }
    SelectTreeNode(m_allNode);
    m_allNode->setExpanded(true);
}

void RecipeBrowser::setListTitles(const QStringList &titles)
{
    const QSignalBlocker quiet(ListBox1);
    ListBox1->clear();
    // All rows in one insertion: a list told of each row apart lays itself out for each.
    QStringList shown;
    shown.reserve(titles.size());
    for (const QString &title : titles)
        shown << showntext::cut(title, showntext::ItemCharacters);
    ListBox1->addItems(shown);
    qsizetype longest = -1;
    for (int i = 0; i < titles.size(); ++i) {
        if (titles[i].size() > showntext::ItemCharacters)
            itemtext::set(ListBox1->item(i), titles[i]);
        if (longest < 0 || shown[i].size() > shown[longest].size())
            longest = i;
    }
    // Rows share one size (measuring thousands of titles one by one takes the list seconds);
    // the first row carries the width of the longest title, so the list still scrolls to it.
    if (longest >= 0) {
        const QFontMetrics fm = ListBox1->fontMetrics();
        ListBox1->item(0)->setSizeHint(QSize(
            fm.horizontalAdvance(shown[longest]) + 2 * fm.averageCharWidth(), fm.height() + 2));
    }
    emit selectionChanged(false);
}

void RecipeBrowser::showPortionsOf(int index)
{
    const TXMLPrzepisType recipe = m_book.root().przepisy()[index];
    if (recipe.porcje().isEmpty())
        recipe.setPorcje(QStringLiteral("1"));
    Edit13->setText(recipe.porcje());
}

void RecipeBrowser::showFirstOfList()
{
    if (ListBox1->count() == 0) {
        emit nothingChosen();
        return;
    }
    const int index = recipeTitled(m_book, itemtext::of(ListBox1->item(0)), Which::Last);
    {
        const QSignalBlocker quiet(ListBox1);
        ListBox1->setCurrentRow(0);
    }
    emit selectionChanged(true);
    emit recipeChosen(index);
}

void RecipeBrowser::SelectTreeNode(QTreeWidgetItem *node)
{
    if (!node)
        return;
    QTreeWidgetItem *group = node->parent();
    if (!group || m_book.root().przepisy().count() == 0) {
        // A group node lists nothing, but for the whole book, which lists every recipe.
        setListTitles(node == m_allNode ? titlesOf(m_book, Group::WholeBook) : QStringList());
        return;
    }
    const Group kind = group == m_allNode ? Group::Category
        : group == m_cuisineNode          ? Group::Cuisine
                                          : Group::Author;
    setListTitles(titlesOf(m_book, kind, itemtext::of(node)));
    if (ListBox1->count() == 0)
        return;
    {
        const QSignalBlocker quiet(ListBox1);
        ListBox1->setCurrentRow(0);
    }
    emit selectionChanged(true);
    // The title may occur several times in the book: the last of them is shown.
    const int index
        = std::max(0, recipeTitled(m_book, itemtext::of(ListBox1->item(0)), Which::Last));
    showPortionsOf(index);
    emit recipeChosen(index);
}

void RecipeBrowser::SelectListEntry()
{
    const QListWidgetItem *entry = ListBox1->currentItem();
    if (!entry)
        return;
    const int index = recipeTitled(m_book, itemtext::of(entry), Which::First);
    if (index < 0)
        return;
    showPortionsOf(index);
    emit recipeChosen(index);
}

bool RecipeBrowser::hasCurrentEntry() const
{
    return ListBox1->currentItem() != nullptr;
}

int RecipeBrowser::selectedCount() const
{
    return int(ListBox1->selectedItems().size());
}

QStringList RecipeBrowser::selectedTitles() const
{
    QStringList titles;
    for (int i = 0, n = ListBox1->count(); i < n; ++i)
        if (ListBox1->item(i)->isSelected())
            titles << itemtext::of(ListBox1->item(i));
    return titles;
}
