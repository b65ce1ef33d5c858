#include "windows/vodozaduda1/DictionaryLoading.h"

#include "core/ProgramDirectory.h"
#include "dictionary/DictionaryLanguages.h"
#include "dictionary/DictionaryLoader.h"
#include "dictionary/PartListModel.h"
#include "dictionary/WordForms.h"
#include "shell/MessageBox.h"
#include "windows/vodozaduda1/PartList.h"

#include <QLineEdit>
#include <QProgressBar>

DictionaryLoading::DictionaryLoading(QLineEdit *text2, const std::array<PartList *, 4> &lists, QProgressBar *progress,
                                     QObject *parent)
    : QObject(parent), m_text2(text2), m_lists(lists), m_progress(progress)
{}

QString DictionaryLoading::defaultDictionaryPath()
{
    return dictionaryPath(QStringLiteral("DeEn"));
}

QString DictionaryLoading::dictionaryPath(const QString &name)
{
    return ProgramDirectory::file(QString(QStringLiteral("TranslateDeGb/") + name + QStringLiteral(".txt")));
}

QString DictionaryLoading::faultyDictionaryMessage()
{
    return QStringLiteral("Achtung: Im Woerterbuch sind Fehler");
}

QString DictionaryLoading::layoutMessage()
{
    const QString mark = DictionaryLoader::kDividerMark;
    const QStringList lines = {
        QStringLiteral("Das Wörterbuch sollte mit 3 Trennlinien eingeteilt werden"),
        QStringLiteral("z.B.:"),
        QStringLiteral("ab und zu;every now and then;"),
        QStringLiteral("1") + mark + QStringLiteral(" Trennlinie"),
        QStringLiteral("auto;car;"),
        QStringLiteral("2") + mark + QStringLiteral(" Trennlinie"),
        QStringLiteral("süssigkeit;sweetness;"),
        QStringLiteral("süssigkeiten;sweets;"),
        QStringLiteral("süsskartoffel;sweetpotato;"),
        QStringLiteral("3") + mark + QStringLiteral(" Trennlinie"),
        QStringLiteral("versuch;trial;"),
        QStringLiteral("xyz;yxz;TEST;"),
        QStringLiteral(" "),
        QStringLiteral("Grosse umfangreiche Wörterbücher müssen so aufgeteilt werden,"),
        QStringLiteral("ansonsten ist der Listenspeicher überladen."),
        QStringLiteral("Es müssen immer Drei Trennlinien im Wörterbuch vorhanden sein!"),
        QStringLiteral("Eine Trennlinien besteht aus folgenden Zeichen:  ") + mark,
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
        MessageBox::show(QStringLiteral("Fehler im Wörterbuch"));
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
        MessageBox::show(load.refusal());
    } else if (!load.ok()) {
        MessageBox::show(faultyDictionaryMessage());
        MessageBox::show(layoutMessage());
    }
}
