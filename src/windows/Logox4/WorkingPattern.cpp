#include "windows/Logox4/WorkingPattern.h"

#include "core/ProgramDirectory.h"
#include "core/TextFile.h"
#include "shell/Clipboard.h"
#include "speech/SpeechHandOff.h"
#include "speech/VoicePattern.h"
#include "windows/Logox4/VoiceChoice.h"
#include "windows/Logox4/VoiceSliders.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace {
QString patternFile()
{
    return ProgramDirectory::file(VoicePattern::fileName());
}
}

WorkingPattern::WorkingPattern(const WorkingPatternControls &controls, const VoiceChoice &choice,
                               const VoiceSliders &sliders, QObject *parent)
    : QObject(parent), m_c(controls), m_choice(choice), m_sliders(sliders)
{}

QStringList WorkingPattern::entries() const
{
    QStringList lines;
    for (int i = 0; i < m_c.list1->count(); ++i)
        lines << m_c.list1->item(i)->text();
    return lines;
}

void WorkingPattern::add(const QStringList &lines)
{
    m_c.list1->addItems(lines);
}

void WorkingPattern::fillTestList(const QString &voice)
{
    m_c.list1->clear();
    add(m_sliders.pattern(voice).testLines(m_c.text1->text()));
}

bool WorkingPattern::Command2()
{
    const bool written = VoicePattern::write(patternFile(), entries());
    // Also when the write failed: the clipboard then gets the pattern the file still holds.
    Command5();
    return written;
}

void WorkingPattern::Command5()
{
    if (const auto text = TextFile::read(patternFile()))
        Clipboard::setText(*text);
}

void WorkingPattern::sprech()
{
    SpeechHandOff::click(SpeechHandOff::Page::VoiceTest, QStringLiteral("stimm"));
}

void WorkingPattern::Command11_Click()
{
    fillTestList(m_choice.voice());
    // A hand-off that cannot be written is skipped; the page then speaks what the file holds.
    (void)SpeechHandOff::writeLines(entries());
    SpeechHandOff::click(QStringLiteral("Hilfe"));
}

void WorkingPattern::alles_Click()
{
    fillTestList(m_choice.voice());
    (void)Command2();
    sprech();
}

void WorkingPattern::presetTest(const QString &preset)
{
    fillTestList(preset);
    m_c.sp1->setText(preset);
    (void)Command2();
    sprech();
}

void WorkingPattern::takeOver()
{
    m_c.list1->clear();
    add(m_sliders.pattern(m_choice.voice()).lines());
    (void)Command2();
}

void WorkingPattern::Command6()
{
    Command5();
    sprech();
}

void WorkingPattern::hinzu1()
{
    add({m_c.text1->text()});
}

void WorkingPattern::Command1(const QString &voice)
{
    const VoicePattern p = m_sliders.pattern(voice);
    add({p.voice, p.basePitch, p.speed, p.intonation, p.roughness, m_c.text1->text()});
}

void WorkingPattern::loesch()
{
    m_c.list1->clear();
}
