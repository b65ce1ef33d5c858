#pragma once

#include <QListView>

class PartListModel;

// A list box over one part of the dictionary. Any selection (click, arrow key, or code, also
// of the item already selected) is reported once through selected().
class PartList : public QListView
{
    Q_OBJECT
public:
    explicit PartList(QWidget *parent = nullptr);

    PartListModel &items() { return *m_model; }
    const PartListModel &items() const { return *m_model; }
    int listCount() const;

    int listIndex() const;
    // row >= 0 selects it and reports the selection; -1 only clears the selection.
    void setListIndex(int row);
    // The selected item's text; empty without a selection.
    QString text() const;

    int topIndex() const;
    void setTopIndex(int row);

signals:
    void selected(int row);
    void itemDoubleClicked(int row);
    void hovered();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    // Left and Right move like Up and Down, as in a plain list box.
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;

private:
    void onCurrentChanged(const QModelIndex &current);
    void onClicked(const QModelIndex &index);

    PartListModel *m_model = nullptr;
    bool m_settingIndex = false;
    bool m_changedByPress = false;
};
