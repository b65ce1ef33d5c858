#include "speech/VoiceMarkup.h"

const VoiceMarkup::Parameter &VoiceMarkup::parameter(Slot slot)
{
    for (const Parameter &p : kParameters)
        if (p.slot == slot)
            return p;
    return kParameters.front();
}

QString VoiceMarkup::voiceTag(const QString &alias)
{
    return QStringLiteral("#voice=name:") + alias + QLatin1Char('#');
}

QString VoiceMarkup::tag(Slot slot, int value)
{
    const QString v = QString::number(value);
    switch (slot) {
    case Slot::Volume:
        return QStringLiteral("#VOL=") + v + QStringLiteral("%dB#");
    case Slot::Echo:
        return QStringLiteral("#AFX =DL122=1:$123=") + v + QStringLiteral(".0,$124=0.4,$125=0.0;#");
    case Slot::BasePitch:
        return QStringLiteral("#bpit=") + v + QStringLiteral("Hz#");
    case Slot::Speed:
        return QStringLiteral("#spd=") + v + QStringLiteral("%#");
    case Slot::Intonation:
        return QStringLiteral("#pit=") + v + QStringLiteral("Hz#");
    case Slot::Roughness:
        return QStringLiteral("#BINT=") + v + QStringLiteral("%#");
    }
    return {};
}

QString VoiceMarkup::valueLabel(Slot slot, int value)
{
    return QString::number(value) + QLatin1String(parameter(slot).unit);
}
