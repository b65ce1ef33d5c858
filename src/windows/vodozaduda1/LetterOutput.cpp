#include "windows/vodozaduda1/LetterOutput.h"

#include "core/ProgramState.h"
#include "letter/LetterFile.h"
#include "shell/FileDialog.h"
#include "shell/MessageBox.h"
#include "shell/Printer.h"
#include "shell/Twips.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

LetterOutput::LetterOutput(const LetterOutputControls &controls, const ProgramState &state, QObject *parent)
    : QObject(parent), m_c(controls), m_state(state)
{
    connect(m_c.command36, &QPushButton::clicked, this, &LetterOutput::Command36_Click);
    connect(m_c.command37, &QPushButton::clicked, this, &LetterOutput::Command37_Click);
    connect(m_c.command31, &QPushButton::clicked, this, &LetterOutput::Command31_Click);
}

bool LetterOutput::save()
{
    const QString letter = m_c.text6->toPlainText();
    if (!LetterFile::save(m_path, letter))
        return false;
    emit saved(letter);
    return true;
}

void LetterOutput::Command36_Click()
{
    m_c.command37->setEnabled(true);
    FileDialog::Request request;
    // A new file name must be possible, so the dialog is one for saving.
    request.mode = FileDialog::Mode::Save;
    request.title = m_state.text(CountryTexts::DateiWaehlen).text;
    request.filter = kDialogFilter;
    const QFileInfo current(m_path);
    request.directory = current.isAbsolute() && current.dir().exists() ? current.absolutePath() : QDir::homePath();
    const auto chosen = FileDialog::open(m_c.window, request);
    // Cancelled: nothing is written and the path stays as it was.
    if (!chosen)
        return;
    m_path = *chosen;
    if (!save()) {
        MessageBox::show(m_state.text(CountryTexts::Schreibschutz).text);
        return;
    }
    Twips::setBackColor(m_c.text3, Twips::color(VbColor::kWhite));
}

void LetterOutput::Command37_Click()
{
    Twips::setBackColor(m_c.command37, Twips::color(VbColor::kLightYellow));
    // Said out loud: a letter believed saved would be lost at the end.
    if (!save())
        MessageBox::show(m_state.text(CountryTexts::Schreibschutz).text);
}

void LetterOutput::Command31_Click()
{
    MessageBox::show(m_state.text(CountryTexts::Drucker).text);
    if (!Drucke(m_c.text6->toPlainText()))
        MessageBox::show(m_state.text(CountryTexts::KeinDrucker).text);
}

bool LetterOutput::Drucke(const QString &text)
{
    return Printer::print(text, kPrintPointSize).ok;
}
