#include "windows/Form2/CountryHover.h"

#include "core/ProgramState.h"
#include "shell/ControlText.h"
#include "shell/FileListBox.h"
#include "shell/MouseOver.h"
#include "shell/Twips.h"

#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>

CountryHover::CountryHover(const CountryHoverControls &controls, ProgramState &state, QObject *parent)
    : QObject(parent), m_c(controls), m_state(state)
{
    for (QPushButton *button : {m_c.start, m_c.quit, m_c.apply})
        MouseOver::watch(button, [this, button] { overButton(button); });
    MouseOver::watch(m_c.exit, [this] { designColours(); });
    MouseOver::watch(m_c.frame, [this] { designColours(); });
    // File names, read in the interface language.
    connect(m_c.files, &FileListBox::hovered, this, [this] {
        showHelpText({m_c.files->fileName(), m_state.language()});
    });
    MouseOver::watch(m_c.stored, [this] {
        const QListWidgetItem *item = m_c.stored->currentItem();
        showHelpText({item ? item->text() : QString(), m_state.language()});
    });
}

void CountryHover::designColours()
{
    Twips::setBackColor(m_c.start, Twips::color(VbColor::kGreen));
    Twips::setBackColor(m_c.quit, Twips::color(VbColor::kWhite));
    Twips::setBackColor(m_c.apply, Twips::color(VbColor::kWhite));
}

void CountryHover::overButton(QPushButton *button)
{
    ControlText::setToolTip(button, ControlText::caption(button));
    showHelpText(ControlText::toolTip(button));
    designColours();
    Twips::setBackColor(button, Twips::color(VbColor::kYellow));
}

void CountryHover::showHelpText(const LocalText &text)
{
    m_state.showHelpText(text);
}
