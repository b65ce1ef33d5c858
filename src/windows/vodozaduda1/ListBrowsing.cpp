#include "windows/vodozaduda1/ListBrowsing.h"

#include "shell/ControlActions.h"
#include "shell/Form.h"
#include "shell/Twips.h"
#include "windows/vodozaduda1/PartList.h"
#include "windows/vodozaduda1/WordLookup.h"

#include <QLineEdit>

ListBrowsing::ListBrowsing(Form &window, WordLookup &lookup, QLineEdit *text3, const std::array<PartList *, 4> &lists,
                           QObject *parent)
    : QObject(parent), m_window(window), m_lookup(lookup), m_text3(text3), m_lists(lists)
{
    for (PartList *list : m_lists)
        connect(list, &PartList::itemDoubleClicked, this, &ListBrowsing::List_DblClick);
}

void ListBrowsing::ListenFokussieren()
{
    for (PartList *list : m_lists)
        focusControl(list);
}

void ListBrowsing::List_DblClick()
{
    Twips::setBackColor(m_text3, Twips::color(VbColor::kLightRed));
    m_lookup.Command7_Click();
    if (!m_window.pause(0.2))
        return;
    m_text3->clear();
}

void ListBrowsing::Command19_Click()
{
    ListenFokussieren();
    sendKey(&m_window, Qt::Key_Up);
    sendKey(&m_window, Qt::Key_Up);
}

void ListBrowsing::Command20_Click()
{
    ListenFokussieren();
    sendKey(&m_window, Qt::Key_Down);
}

void ListBrowsing::Label9_Click()
{
    for (PartList *list : m_lists)
        list->hide();
}
