#include "windows/Logox4/VoiceSliders.h"

#include "shell/ClickLabel.h"
#include "shell/FocusNotice.h"

#include <QScrollBar>

VoiceSliders::VoiceSliders(const std::array<VoiceSliderRow, 6> &rows, HelpText showHelp, QObject *parent)
    : QObject(parent), m_rows(rows), m_showHelp(std::move(showHelp))
{
    for (std::size_t k = 0; k < m_rows.size(); ++k) {
        const VoiceSliderRow &row = m_rows[k];
        const VoiceMarkup::Parameter &p = VoiceMarkup::parameter(row.slot);
        row.slider->setRange(p.minimum, p.maximum);
        row.slider->setValue(p.initial);
        // Tracking reports every step of a dragged thumb, as the slots want it.
        row.slider->setTracking(true);
        connect(row.slider, &QScrollBar::valueChanged, this, [this, k] { moved(k); });
        connect(row.value, &ClickLabel::clicked, this, [this, k] {
            m_rows[k].value->clear();
            m_tags[k].clear();
        });
        FocusNotice::watch(row.slider, [this, row] {
            if (m_showHelp)
                m_showHelp(row.caption, row.value->text());
        });
    }
}

void VoiceSliders::moved(std::size_t row)
{
    const VoiceSliderRow &r = m_rows[row];
    const int v = r.slider->value();
    m_tags[row] = VoiceMarkup::tag(r.slot, v);
    r.value->setText(VoiceMarkup::valueLabel(r.slot, v));
}

void VoiceSliders::clearAll()
{
    for (QString &tag : m_tags)
        tag.clear();
}

QString VoiceSliders::tagOf(VoiceMarkup::Slot slot) const
{
    for (std::size_t k = 0; k < m_rows.size(); ++k)
        if (m_rows[k].slot == slot)
            return m_tags[k];
    return {};
}

VoicePattern VoiceSliders::pattern(const QString &voice) const
{
    using S = VoiceMarkup::Slot;
    return {voice,           tagOf(S::Volume),     tagOf(S::Echo),     tagOf(S::BasePitch),
            tagOf(S::Speed), tagOf(S::Intonation), tagOf(S::Roughness)};
}
