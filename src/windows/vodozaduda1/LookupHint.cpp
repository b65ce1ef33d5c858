#include "windows/vodozaduda1/LookupHint.h"

#include "dictionary/NearMiss.h"
#include "dictionary/PartListModel.h"
#include "windows/vodozaduda1/PartList.h"

#include <QLabel>
#include <QTimer>

LookupHint::LookupHint(QLabel *description, const std::array<PartList *, 4> &lists, QObject *parent)
    : QObject(parent), m_description(description), m_lists(lists), m_pause(new QTimer(this))
{
    m_pause->setSingleShot(true);
    m_pause->setInterval(kPauseMilliseconds);
    connect(m_pause, &QTimer::timeout, this, &LookupHint::offerSpellings);
}

void LookupHint::entryFound()
{
    m_pause->stop();
    remove();
}

void LookupHint::formFound(const QString &word, const QString &base, const QStringList &others)
{
    m_pause->stop();
    if (others.isEmpty())
        show(m_texts.formFound.arg(word, base));
    else
        show(m_texts.formFoundOthers.arg(word, base, others.join(m_texts.separator)));
}

void LookupHint::missed(const QString &word)
{
    remove();
    m_missed = word;
    m_pause->start();
}

void LookupHint::inputEmptied()
{
    m_pause->stop();
}

void LookupHint::offerSpellings()
{
    QList<const PartListModel *> parts;
    for (const PartList *list : m_lists)
        parts.append(&list->items());
    const QStringList spellings = NearMiss::spellings(m_missed, parts);
    if (!spellings.isEmpty())
        show(m_texts.nearMiss.arg(spellings.join(m_texts.separator)));
}

void LookupHint::show(const QString &text)
{
    if (m_shown.isEmpty() || m_description->text() != m_shown)
        m_lineBefore = m_description->text();
    m_shown = text;
    m_description->setText(text);
}

void LookupHint::remove()
{
    if (!m_shown.isEmpty() && m_description->text() == m_shown)
        m_description->setText(m_lineBefore);
    m_shown.clear();
}
