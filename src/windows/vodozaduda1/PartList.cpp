#include "windows/vodozaduda1/PartList.h"

#include "dictionary/PartListModel.h"

#include <QMouseEvent>
#include <QScrollBar>

PartList::PartList(QWidget *parent) : QListView(parent), m_model(new PartListModel(this))
{
    // Uniform rows keep a list of 32,767 lines as cheap to show and scroll as a short one.
    setUniformItemSizes(true);
    setModel(m_model);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setMouseTracking(true);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) { onCurrentChanged(current); });
    connect(this, &QListView::clicked, this, [this](const QModelIndex &index) { onClicked(index); });
    // A new load resets the model and with it the selection.
    connect(m_model, &QAbstractItemModel::modelReset, this, [this] { m_changedByPress = false; });
}

int PartList::listCount() const
{
    return m_model->count();
}

int PartList::listIndex() const
{
    // The current row is the selected one: a press makes an item current just before it selects it.
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() : -1;
}

void PartList::setListIndex(int row)
{
    m_settingIndex = true;
    if (row >= 0 && row < listCount()) {
        const QModelIndex index = m_model->index(row);
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
        m_settingIndex = false;
        emit selected(row);
        return;
    }
    selectionModel()->clear();
    m_settingIndex = false;
}

QString PartList::text() const
{
    return m_model->item(listIndex());
}

int PartList::topIndex() const
{
    const QModelIndex top = indexAt(QPoint(1, 1));
    if (top.isValid())
        return top.row();
    // Not laid out yet (hidden): the scroll position counts rows.
    return listCount() > 0 ? verticalScrollBar()->value() : 0;
}

void PartList::setTopIndex(int row)
{
    if (row < 0 || row >= listCount())
        return;
    scrollTo(m_model->index(row), QAbstractItemView::PositionAtTop);
}

void PartList::mousePressEvent(QMouseEvent *event)
{
    m_changedByPress = false;
    QListView::mousePressEvent(event);
}

void PartList::mouseDoubleClickEvent(QMouseEvent *event)
{
    QListView::mouseDoubleClickEvent(event);
    const QModelIndex index = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && index.isValid())
        emit itemDoubleClicked(index.row());
}

void PartList::onCurrentChanged(const QModelIndex &current)
{
    if (m_settingIndex || !current.isValid())
        return;
    m_changedByPress = true;
    emit selected(current.row());
}

void PartList::onClicked(const QModelIndex &index)
{
    // A click on the item that is already selected is still a selection.
    if (m_changedByPress) {
        m_changedByPress = false;
        return;
    }
    if (index.isValid())
        emit selected(index.row());
}

void PartList::mouseMoveEvent(QMouseEvent *event)
{
    QListView::mouseMoveEvent(event);
    emit hovered();
}

QModelIndex PartList::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    if (action == MoveLeft)
        action = MoveUp;
    else if (action == MoveRight)
        action = MoveDown;
    return QListView::moveCursor(action, modifiers);
}
