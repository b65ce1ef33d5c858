#include "windows/vodozaduda1/FontChoice.h"

#include "core/ProgramState.h"
#include "shell/FontList.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>

FontChoice::FontChoice(const FontChoiceControls &controls, ProgramState &state, QObject *parent)
    : QObject(parent), m_c(controls), m_state(state)
{
    // A typed name is only shown; it takes effect with the next click, and is never added to the list.
    m_c.combo1->setInsertPolicy(QComboBox::NoInsert);
    connect(m_c.combo1, &QComboBox::editTextChanged, this, &FontChoice::showChoice);
    connect(m_c.combo1, &QComboBox::activated, this, [this] {
        showChoice();
        Command48_Click();
    });
    connect(m_c.check5, &QAbstractButton::clicked, this, &FontChoice::Command48_Click);
    connect(m_c.check6, &QAbstractButton::clicked, this, &FontChoice::Command48_Click);
    connect(m_c.command48, &QAbstractButton::clicked, this, &FontChoice::Command48_Click);
}

void FontChoice::fill()
{
    // The design's own text: no help line for it.
    const QSignalBlocker quiet(m_c.combo1);
    m_c.combo1->addItems(FontList::families());
    m_c.combo1->setEditText(kPrompt);
    // The prompt is read from its start, not from where typing would go on.
    if (QLineEdit *edit = m_c.combo1->lineEdit())
        edit->setCursorPosition(0);
}

void FontChoice::showChoice()
{
    m_state.showHelpText(m_state.text(CountryTexts::Schrift)
                         + (QStringLiteral(" [") + m_c.combo1->currentText() + u']'));
}

void FontChoice::Command48_Click()
{
    // A name that is no installed face (the prompt, a typo) gives the desktop's sans serif.
    const QString chosen = m_c.combo1->currentText();
    const QString fields = m_c.check5->isChecked() ? chosen : FontList::kDesignFace;
    m_c.text3->setFont(FontList::withFace(m_c.text3->font(), fields));
    m_c.text1->setFont(FontList::withFace(m_c.text1->font(), fields));
    const QString letter = m_c.check6->isChecked() ? chosen : FontList::kDesignFace;
    m_c.text6->setFont(FontList::withFace(m_c.text6->font(), letter));
}
