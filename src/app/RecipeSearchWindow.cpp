#include "app/RecipeSearchWindow.h"

#include "cookbook/Book.h"
#include "platform/ErrorHandler.h"

#include <QAbstractListModel>
#include <QBoxLayout>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>

// The matches as rows of the result list. A row's text is made when the list asks for it, which
// it does for the rows in view only: a letter that finds most of the book builds no thousands of
// strings.
class MatchListModel : public QAbstractListModel
{
public:
    using QAbstractListModel::QAbstractListModel;

    const QList<RecipeMatch> &matches() const { return m_matches; }
    void setMatches(QList<RecipeMatch> matches)
    {
        beginResetModel();
        m_matches = std::move(matches);
        endResetModel();
    }
    int rowCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : int(m_matches.size());
    }
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (role != Qt::DisplayRole || !index.isValid() || index.row() >= m_matches.size())
            return {};
        return RecipeSearchWindow::rowText(m_matches[index.row()]);
    }

private:
    QList<RecipeMatch> m_matches;
};

RecipeSearchWindow::RecipeSearchWindow(Book &book, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_book(book)
    , m_model(new MatchListModel(this))
{
    setObjectName(QStringLiteral("RecipeSearchWindow"));
    setWindowTitle(QStringLiteral("Szukaj przepisu"));

    auto *caption = new QLabel(QStringLiteral("Tytuł lub składnik:"), this);
    caption->setObjectName(QStringLiteral("SearchCaption"));
    SearchEdit = new QLineEdit(this);
    SearchEdit->setObjectName(QStringLiteral("SearchEdit"));
    SearchEdit->setClearButtonEnabled(true);
    SearchEdit->installEventFilter(this);
    SearchResults = new QListView(this);
    SearchResults->setObjectName(QStringLiteral("SearchResults"));
    SearchResults->setModel(m_model);
    SearchResults->setUniformItemSizes(true);
    SearchResults->setEditTriggers(QAbstractItemView::NoEditTriggers);
    CountLabel = new QLabel(this);
    CountLabel->setObjectName(QStringLiteral("CountLabel"));

    auto *column = new QVBoxLayout(this);
    column->addWidget(caption);
    column->addWidget(SearchEdit);
    column->addWidget(SearchResults, 1);
    column->addWidget(CountLabel);
    resize(460, 520);

    connect(
        SearchEdit, &QLineEdit::textChanged, this, [this] { runGuarded([this] { search(); }); });
    connect(SearchEdit, &QLineEdit::returnPressed, this, [this] {
        const int row
            = SearchResults->currentIndex().isValid() ? SearchResults->currentIndex().row() : 0;
        runGuarded([this, row] { choose(row); });
    });
    connect(SearchResults, &QAbstractItemView::activated, this,
        [this](const QModelIndex &index) { runGuarded([this, index] { choose(index.row()); }); });
}

QString RecipeSearchWindow::rowText(const RecipeMatch &match)
{
    if (match.ingredients.isEmpty())
        return match.title;
    return match.title + QStringLiteral("   – składnik: ") + match.ingredients.join(u", ");
}

const QList<RecipeMatch> &RecipeSearchWindow::matches() const
{
    return m_model->matches();
}

void RecipeSearchWindow::refresh()
{
    m_stale = true;
    search();
}

void RecipeSearchWindow::search()
{
    if (m_stale) {
        m_search.prepare(m_book);
        m_stale = false;
    }
    m_model->setMatches(m_search.find(SearchEdit->text()));
    if (m_model->rowCount() > 0)
        SearchResults->setCurrentIndex(m_model->index(0));
    CountLabel->setText(SearchEdit->text().trimmed().isEmpty()
            ? QString()
            : QStringLiteral("Znaleziono: %1").arg(matches().size()));
}

void RecipeSearchWindow::choose(int row)
{
    if (row < 0 || row >= matches().size())
        return;
    const RecipeMatch match = matches()[row];
    // The book may have changed under a window that was not looked at since.
    const TXMLPrzepisyType recipes = m_book.root().przepisy();
    if (match.index >= recipes.count() || recipes[match.index].tytul() != match.title) {
        refresh();
        return;
    }
    emit recipeChosen(match.index, match.title);
}

bool RecipeSearchWindow::eventFilter(QObject *watched, QEvent *event)
{
    // Up and down in the field move through the results, so the hands stay on the keys.
    if (watched == SearchEdit && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if ((key == Qt::Key_Down || key == Qt::Key_Up) && m_model->rowCount() > 0) {
            const int row = SearchResults->currentIndex().row() + (key == Qt::Key_Down ? 1 : -1);
            SearchResults->setCurrentIndex(
                m_model->index(std::clamp(row, 0, m_model->rowCount() - 1)));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void RecipeSearchWindow::changeEvent(QEvent *event)
{
    // Coming back to the window is the moment the book may have been edited elsewhere.
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        runGuarded([this] { refresh(); });
    QWidget::changeEvent(event);
}
