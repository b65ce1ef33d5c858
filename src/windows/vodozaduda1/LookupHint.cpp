#include "windows/vodozaduda1/LookupHint.h"

#include "core/ProgramState.h"
#include "dictionary/NearMiss.h"
#include "dictionary/PartListModel.h"
#include "shell/ControlText.h"
#include "windows/vodozaduda1/PartList.h"

#include <QLabel>
#include <QTimer>

namespace {
const QString kSeparator = QStringLiteral(", ");
}

LookupHint::LookupHint(QLabel *description, const std::array<PartList *, 4> &lists, const ProgramState &state,
                       QObject *parent)
    : QObject(parent), m_description(description), m_lists(lists), m_state(state), m_pause(new QTimer(this))
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
    LocalText hint = m_state.text(others.isEmpty() ? CountryTexts::FormGefunden : CountryTexts::FormGefundenAuch);
    hint.text = others.isEmpty() ? hint.text.arg(word, base) : hint.text.arg(word, base, others.join(kSeparator));
    show(hint);
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
    if (spellings.isEmpty())
        return;
    LocalText hint = m_state.text(CountryTexts::MeintenSie);
    hint.text = hint.text.arg(spellings.join(kSeparator));
    show(hint);
}

void LookupHint::show(const LocalText &hint)
{
    if (m_shown.text.isEmpty() || m_description->text() != m_shown.text)
        m_lineBefore = ControlText::caption(m_description);
    m_shown = hint;
    ControlText::setCaption(m_description, hint);
}

void LookupHint::remove()
{
    if (!m_shown.text.isEmpty() && m_description->text() == m_shown.text)
        ControlText::setCaption(m_description, m_lineBefore);
    m_shown = {};
}
