#pragma once

#include <QString>

#include <array>

// The voice tags the program writes in front of a text to speak, and where their numbers
// come from: the sliders of the speech settings window.
class VoiceMarkup
{
public:
    enum class Slot { Volume, Echo, BasePitch, Speed, Intonation, Roughness };

    struct Parameter
    {
        Slot slot;
        int minimum;
        int maximum;
        int initial;
        const char *unit; // shown beside the slider's value
    };

    // In the order of the voice pattern (after the voice line).
    static constexpr std::array<Parameter, 6> kParameters = {{
        {Slot::Volume, 0, 500, 100, "%"},
        {Slot::Echo, 0, 500, 50, ""},
        {Slot::BasePitch, 15, 400, 50, "Hz"},
        {Slot::Speed, 20, 250, 100, "%"},
        {Slot::Intonation, 10, 300, 10, "Hz"},
        {Slot::Roughness, 0, 250, 0, "%"},
    }};

    static const Parameter &parameter(Slot slot);

    static QString voiceTag(const QString &alias);
    static QString tag(Slot slot, int value);
    // The value label beside a slider: the number and its unit.
    static QString valueLabel(Slot slot, int value);

    static QString billPreset() { return voiceTag(QStringLiteral("lgx.de.bill")); }
    static QString silkePreset() { return voiceTag(QStringLiteral("lgx.de.silke")); }
    static QString johannaPreset() { return voiceTag(QStringLiteral("lgx.de.johanna")); }
    static QString martinPreset() { return voiceTag(QStringLiteral("lgx.de.martin")); }

    // Stands for the default voice: names no voice, sets nothing.
    static inline const QString kStandardSpeaker = QStringLiteral("#Standard Sprecher#");
    // The help window speaks every help text with this pattern.
    static inline const QString kHelpPattern =
        QStringLiteral("#voice=name:lgx.de.silkrvlg# #AFX =DL122=1:$123=26.0,$124=0.4,$125=0.0;# #BINT=43%#");

    static QString tryOut(const QString &alias) { return voiceTag(alias) + QStringLiteral("Test 1 2 3!"); }
};
