#include "windows/Logox4/VoiceSliders.h"

#include "shell/ClickLabel.h"
#include "shell/FocusNotice.h"

#include <QScrollBar>

VoiceSliders::VoiceSliders(const std::array<VoiceSliderRow, 6> &rows, HelpText showHelp, QObject *parent)
    : QObject(parent), m_rows(rows), m_showHelp(std::move(showHelp))
{
    for (const VoiceSliderRow &row : m_rows) {
        const VoiceMarkup::Parameter &p = VoiceMarkup::parameter(row.slot);
        row.slider->setRange(p.minimum, p.maximum);
        row.slider->setValue(p.initial);
        // Tracking reports every step of a dragged thumb, as the slots want it.
        row.slider->setTracking(true);
        connect(row.slider, &QScrollBar::valueChanged, this, [this, row] { moved(row); });
        connect(row.value, &ClickLabel::clicked, this, [row] {
            row.value->clear();
            row.tag->clear();
        });
        FocusNotice::watch(row.slider, [this, row] {
            if (m_showHelp)
                m_showHelp(QStringLiteral("Stimme mit: ") + row.caption->text() + QLatin1Char(' ') + row.value->text());
        });
    }
}

void VoiceSliders::moved(const VoiceSliderRow &row)
{
    const int v = row.slider->value();
    row.tag->setText(VoiceMarkup::tag(row.slot, v));
    row.value->setText(VoiceMarkup::valueLabel(row.slot, v));
}

void VoiceSliders::clearAll()
{
    for (const VoiceSliderRow &row : m_rows)
        row.tag->clear();
}

QString VoiceSliders::tagOf(VoiceMarkup::Slot slot) const
{
    for (const VoiceSliderRow &row : m_rows)
        if (row.slot == slot)
            return row.tag->text();
    return {};
}

VoicePattern VoiceSliders::pattern(const QString &voice) const
{
    using S = VoiceMarkup::Slot;
    return {voice,           tagOf(S::Volume),     tagOf(S::Echo),     tagOf(S::BasePitch),
            tagOf(S::Speed), tagOf(S::Intonation), tagOf(S::Roughness)};
}
