#pragma once

#include <QObject>

#include <array>

class Form;
class PartList;
class QLineEdit;
class WordLookup;

// Browsing the part lists: double click translates, the up and down buttons move the
// selection, "X" hides the lists.
class ListBrowsing : public QObject
{
    Q_OBJECT
public:
    ListBrowsing(Form &window, WordLookup &lookup, QLineEdit *text3, const std::array<PartList *, 4> &lists,
                 QObject *parent = nullptr);

    // Focus to List1..List4 in turn: it ends on the highest-numbered list that is shown.
    void ListenFokussieren();
    void List_DblClick();
    void Command19_Click();
    void Command20_Click();
    void Label9_Click();

private:
    Form &m_window;
    WordLookup &m_lookup;
    QLineEdit *m_text3 = nullptr;
    std::array<PartList *, 4> m_lists{};
};
