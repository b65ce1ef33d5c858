#include "shell/FileListBox.h"

#include <QDir>
#include <QKeyEvent>

FileListBox::FileListBox(QWidget *parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setMouseTracking(true);
    connect(this, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            emit fileClicked();
    });
    connect(this, &QListWidget::itemDoubleClicked, this, [this] { emit fileDoubleClicked(); });
}

void FileListBox::setPath(const QString &folder)
{
    m_folder = folder;
    refresh();
}

void FileListBox::setPattern(const QString &pattern)
{
    m_pattern = pattern;
    refresh();
}

void FileListBox::refresh()
{
    const QString marked = fileName();
    QDir dir(m_folder);
    dir.setNameFilters({m_pattern});
    dir.setFilter(QDir::Files | QDir::Readable | QDir::Hidden);
    dir.setSorting(QDir::Name | QDir::IgnoreCase);
    const QStringList files = m_folder.isEmpty() ? QStringList() : dir.entryList();
    blockSignals(true);
    clear();
    addItems(files);
    const int row = marked.isEmpty() ? -1 : int(files.indexOf(marked));
    if (row >= 0)
        setCurrentRow(row);
    blockSignals(false);
}

QString FileListBox::fileName() const
{
    // The marked file, not the current row alone: a list that gets the focus makes its first
    // row current without marking it.
    const QList<QListWidgetItem *> marked = selectedItems();
    return marked.isEmpty() ? QString() : marked.first()->text();
}

void FileListBox::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit enterPressed();
        return;
    }
    QListWidget::keyPressEvent(event);
}

void FileListBox::mouseMoveEvent(QMouseEvent *event)
{
    QListWidget::mouseMoveEvent(event);
    emit hovered();
}
