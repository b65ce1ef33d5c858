#pragma once

#include "speech/VoiceMarkup.h"
#include "speech/VoicePattern.h"

#include <QObject>

#include <array>
#include <functional>

class ClickLabel;
class QLabel;
class QScrollBar;

// One parameter row of the speech settings window.
struct VoiceSliderRow
{
    VoiceMarkup::Slot slot = VoiceMarkup::Slot::Volume;
    QScrollBar *slider = nullptr;
    ClickLabel *value = nullptr; // the number with its unit; a click empties it and the slot
    QLabel *caption = nullptr;
};

// The six voice parameters on their sliders: every move puts the row's tag into its slot and
// shows the value, a click on the value forgets both, and the focus on a slider tells its value.
// A slot holds the tag of the slider's last position, empty until the slider moves.
class VoiceSliders : public QObject
{
    Q_OBJECT
public:
    // Says which slider has the focus: its caption label and its value as shown.
    using HelpText = std::function<void(const QLabel *caption, const QString &value)>;

    // Puts each slider to its range and initial position without filling any slot.
    VoiceSliders(const std::array<VoiceSliderRow, 6> &rows, HelpText showHelp, QObject *parent = nullptr);

    // "loeschen": every parameter slot empty; the voice and the sliders stay.
    void clearAll();
    // The slots as they stand, behind the given voice line.
    VoicePattern pattern(const QString &voice) const;
    QString tagOf(VoiceMarkup::Slot slot) const;

private:
    void moved(std::size_t row);

    std::array<VoiceSliderRow, 6> m_rows;
    std::array<QString, 6> m_tags;
    HelpText m_showHelp;
};
