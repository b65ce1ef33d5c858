#include "windows/vodozaduda1/WordLookup.h"

#include "core/ProgramState.h"
#include "dictionary/EntryText.h"
#include "dictionary/PartListModel.h"
#include "dictionary/WordForms.h"
#include "shell/ControlActions.h"
#include "shell/ControlText.h"
#include "shell/Form.h"
#include "shell/MessageBox.h"
#include "shell/Twips.h"
#include "speech/SpeechHandOff.h"
#include "windows/vodozaduda1/LookupHint.h"
#include "windows/vodozaduda1/PartList.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

WordLookup::WordLookup(Form &window, const LookupControls &controls, ProgramState &state, QObject *parent)
    : QObject(parent), m_window(window), m_c(controls), m_state(state)
{
    connect(m_c.text3, &QLineEdit::textChanged, this, &WordLookup::Text3_Change);
    connect(m_c.text1, &QLineEdit::textChanged, this, &WordLookup::Text1_Change);
    connect(m_c.text5, &QLineEdit::textChanged, this, &WordLookup::Text5_Change);
    connect(m_c.check1, &QCheckBox::clicked, this, &WordLookup::Check1_Click);
    for (int k = 0; k < int(m_c.lists.size()); ++k)
        connect(m_c.lists[k], &PartList::selected, this, [this, k] { List_Click(k); });
    m_c.text3->installEventFilter(this);
    m_c.text1->installEventFilter(this);
    m_hint = new LookupHint(m_c.label4, m_c.lists, m_state, this);
}

void WordLookup::setWordForms(std::shared_ptr<const WordForms> forms)
{
    m_forms = std::move(forms);
}

QString WordLookup::speechRuntimeMessage(const CountryTexts &texts)
{
    return texts.text(CountryTexts::Webspeech).text
           + QStringLiteral(" https://github.com/espeak-ng/espeak-ng/releases");
}

bool WordLookup::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && (watched == m_c.text3 || watched == m_c.text1)) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            // Swallowed: no beep, no line break; Enter is the translation.
            Command29_Click();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void WordLookup::hideLists()
{
    for (PartList *list : m_c.lists)
        list->hide();
}

void WordLookup::enableLists()
{
    for (PartList *list : m_c.lists)
        list->setEnabled(true);
}

void WordLookup::Text3_Change()
{
    hideLists();
    m_c.text1->setText(m_c.text3->text() + QLatin1Char(';'));
    enableLists();
    lookUpForm();
}

void WordLookup::Text1_Change()
{
    hideLists();
    enableLists();
    m_found = selectInLists(m_c.text1->text());
    Twips::setBackColor(m_c.text3, Twips::color(m_found ? VbColor::kYellow : VbColor::kWhite));
}

bool WordLookup::selectInLists(const QString &wanted)
{
    bool anySelected = false;
    for (PartList *list : m_c.lists) {
        const int row = list->items().findFirstPrefix(wanted);
        if (row >= 0) {
            list->setTopIndex(row);
            anySelected = true;
        }
        list->setListIndex(row);
    }
    return anySelected;
}

void WordLookup::lookUpForm()
{
    const QString word = m_c.text3->text();
    if (word.trimmed().isEmpty()) {
        m_hint->inputEmptied();
        return;
    }
    if (m_found) {
        m_hint->entryFound();
        return;
    }
    const auto isEntry = [this](const QString &base) {
        const QString wanted = base + QLatin1Char(';');
        return std::any_of(m_c.lists.begin(), m_c.lists.end(),
                           [&](const PartList *list) { return list->items().findFirstPrefix(wanted) >= 0; });
    };
    const std::optional<WordForms::Match> match = m_forms ? m_forms->match(word, isEntry) : std::nullopt;
    if (!match) {
        m_hint->missed(word);
        return;
    }
    // Found as if the base had been typed; the entry's own spelling names it.
    m_found = selectInLists(match->base + QLatin1Char(';'));
    Twips::setBackColor(m_c.text3, Twips::color(VbColor::kYellow));
    m_hint->formFound(word.trimmed(), m_entry.section(QLatin1Char(';'), 0, 0), match->others);
    // The entry's list covers the description line: the help window shows the hint meanwhile.
    m_state.showHelpText(m_hint->shown());
}

void WordLookup::List_Click(int part)
{
    PartList *list = m_c.lists[part];
    list->show();
    m_c.list5->clear();
    setEntry(list->text());
}

void WordLookup::setEntry(const QString &line)
{
    if (line == m_entry)
        return;
    m_entry = line;
    m_c.text5->setText(line);
}

void WordLookup::Text5_Change()
{
    QString shown = m_c.text5->text();
    EntryText::zeichenErsetzen(shown, QStringLiteral(";"), QStringLiteral("  -  "));
    if (shown != m_c.text5->text())
        m_c.text5->setText(shown);
}

void WordLookup::Check1_Click()
{
    const QColor face = Twips::buttonFace();
    if (m_c.check1->isChecked()) {
        focusControl(m_c.text3);
        m_c.text3->deselect();
        Twips::setBackColor(m_c.text1, face);
        ControlText::setCaption(m_c.check1, m_state.text(CountryTexts::Fokus1));
        Twips::setBackColor(m_c.label10, Twips::color(VbColor::kGreen));
        Twips::setBackColor(m_c.label11, face);
    } else {
        focusControl(m_c.text1);
        m_c.text1->deselect();
        Twips::setBackColor(m_c.text1, Twips::color(VbColor::kWhite));
        ControlText::setCaption(m_c.check1, m_state.text(CountryTexts::Fokus2));
        Twips::setBackColor(m_c.label11, Twips::color(VbColor::kGreen));
        Twips::setBackColor(m_c.label10, face);
    }
}

void WordLookup::Command29_Click()
{
    if (m_c.check2->isChecked() && m_collect) {
        m_collect();
        return;
    }
    Twips::setBackColor(m_c.text3, Twips::color(VbColor::kLightRed));
    Command7_Click();
    if (m_window.isUnloaded())
        return;
    Command16_Click();
}

void WordLookup::Command7_Click()
{
    if (const auto fields = EntryText::parsing(m_entry)) {
        m_c.list5->addItems(*fields);
    } else {
        MessageBox::show(m_state.text(CountryTexts::ZuVieleWorte).text);
    }
    if (!m_window.pause(0.2))
        return;
    Command8_Click();
    if (!m_window.pause(0.1))
        return;
    Command11_Click();
}

void WordLookup::Command8_Click()
{
    focusControl(m_c.list5);
    selectRow(m_c.list5, 1);
}

void WordLookup::Command11_Click()
{
    if (!SpeechHandOff::writeQuoted(voicePrefix(m_c.list6) + selectedText(m_c.list5))) {
        MessageBox::show(m_state.text(CountryTexts::Schreibschutz).text);
        focusControl(m_c.text3);
        return;
    }
    Twips::setBackColor(m_c.text3, Twips::color(VbColor::kWhite));
    Command39_Click(targetLanguage());
}

QString WordLookup::sourceLanguage() const
{
    return m_state.sourceLanguage();
}

QString WordLookup::targetLanguage() const
{
    return m_state.targetLanguage();
}

void WordLookup::Command39_Click(const QString &language)
{
    if (m_state.isMuted())
        return;
    if (!SpeechHandOff::click(QStringLiteral("Hilfex"), language)) {
        MessageBox::show(speechRuntimeMessage(m_state.texts()));
        m_state.setMuted(true);
    }
}

void WordLookup::Command16_Click()
{
    if (m_c.check1->isChecked()) {
        focusControl(m_c.text3);
        m_c.text3->clear();
        Twips::setBackColor(m_c.text3, Twips::color(VbColor::kWhite));
        Twips::setBackColor(m_c.text1, Twips::buttonFace());
    } else {
        focusControl(m_c.text1);
        m_c.text1->clear();
        Twips::setBackColor(m_c.text1, Twips::color(VbColor::kWhite));
    }
}

QString WordLookup::selectedText(const QListWidget *list)
{
    const QList<QListWidgetItem *> items = list->selectedItems();
    return items.isEmpty() ? QString() : items.first()->text();
}

QString WordLookup::voicePrefix(const QListWidget *voices)
{
    const QList<QListWidgetItem *> selected = voices->selectedItems();
    if (selected.isEmpty())
        return {};
    QString prefix;
    for (int row = voices->row(selected.first()); row < voices->count(); ++row)
        prefix += voices->item(row)->text();
    return prefix;
}

bool WordLookup::selectRow(QListWidget *list, int row)
{
    if (row < 0 || row >= list->count())
        return false;
    list->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    return true;
}
