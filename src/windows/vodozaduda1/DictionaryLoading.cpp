#include "windows/vodozaduda1/DictionaryLoading.h"

#include "core/ProgramDirectory.h"
#include "dictionary/DictionaryLanguages.h"
#include "core/ProgramState.h"
#include "dictionary/DictionaryLoader.h"
#include "dictionary/PartListModel.h"
#include "dictionary/WordForms.h"
#include "shell/MessageBox.h"
#include "windows/vodozaduda1/PartList.h"

#include <QLineEdit>
#include <QProgressBar>

DictionaryLoading::DictionaryLoading(QLineEdit *text2, const std::array<PartList *, 4> &lists, QProgressBar *progress,
                                     const ProgramState &state, QObject *parent)
    : QObject(parent), m_text2(text2), m_lists(lists), m_progress(progress), m_state(state)
{}

QString DictionaryLoading::defaultDictionaryPath()
{
    return dictionaryPath(QStringLiteral("DeEn"));
}

QString DictionaryLoading::dictionaryPath(const QString &name)
{
    return ProgramDirectory::file(QString(QStringLiteral("TranslateDeGb/") + name + QStringLiteral(".txt")));
}

QString DictionaryLoading::faultyDictionaryMessage(const CountryTexts &texts)
{
    return texts.text(CountryTexts::WoerterbuchFehler).text;
}

QString DictionaryLoading::layoutMessage(const CountryTexts &texts)
{
    using T = CountryTexts;
    const auto text = [&texts](T::Id id) { return texts.text(id).text; };
    const QString mark = DictionaryLoader::kDividerMark;
    // The example lines are dictionary lines, the same in every language.
    const QStringList lines = {
        text(T::Trennlinien),
        text(T::ZumBeispiel) + u':',
        QStringLiteral("ab und zu;every now and then;"),
        QStringLiteral("1") + mark + u' ' + text(T::Trennlinie),
        QStringLiteral("auto;car;"),
        QStringLiteral("2") + mark + u' ' + text(T::Trennlinie),
        QStringLiteral("süssigkeit;sweetness;"),
        QStringLiteral("süssigkeiten;sweets;"),
        QStringLiteral("süsskartoffel;sweetpotato;"),
        QStringLiteral("3") + mark + u' ' + text(T::Trennlinie),
        QStringLiteral("versuch;trial;"),
        QStringLiteral("xyz;yxz;TEST;"),
        QStringLiteral(" "),
        text(T::Aufteilen1),
        text(T::Aufteilen2),
        text(T::DreiTrennlinien),
        text(T::Trennzeichen) + QStringLiteral("  ") + mark,
    };
    return lines.join(QStringLiteral("\r\n"));
}

bool DictionaryLoading::DateiVorhanden(const QString &path)
{
    return DictionaryLoader::fileExists(path);
}

void DictionaryLoading::Command5_Click()
{
    if (!DateiVorhanden(defaultDictionaryPath())) {
        MessageBox::show(m_state.text(CountryTexts::WoerterbuchFehlt).text);
        return;
    }
    WoerterbuchLaden();
}

void DictionaryLoading::WoerterbuchLaden()
{
    for (PartList *list : m_lists)
        list->items().clear();
    const DictionaryLoad load =
        DictionaryLoader::load(dictionaryPath(m_text2->text()), [this](int value) { m_progress->setValue(value); });
    for (int k = 0; k < DictionaryLoader::kPartCount; ++k)
        if (!load.parts[k].isEmpty())
            m_lists[k]->items().setLines(load.text, load.parts[k]);
    // A stemmer of the same language is kept: reading it again would cost a tenth of a second.
    m_forms = WordForms::forDictionary(load.forms, DictionaryLanguages::of(m_text2->text()).source,
                                       m_forms ? m_forms->stemmer() : nullptr);
    emit wordFormsLoaded(m_forms);
    if (!load.refusal().isEmpty()) {
        MessageBox::show(load.refusal(m_state.texts()));
    } else if (!load.ok()) {
        MessageBox::show(faultyDictionaryMessage(m_state.texts()));
        MessageBox::show(layoutMessage(m_state.texts()));
    }
}
