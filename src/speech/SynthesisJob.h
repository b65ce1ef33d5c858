#pragma once

#include "speech/VoiceSegment.h"

#include <QList>
#include <QString>

#include <memory>

class PcmBuffer;

// One utterance for the synthesis thread: voice changes already resolved to espeak-ng
// names, parameter changes and text, in order.
struct SynthesisJob
{
    quint64 generation = 0;
    // espeak-ng name of the voice the utterance starts with.
    QString startVoice;
    QList<VoiceSegment> segments;
    std::shared_ptr<PcmBuffer> pcm;
};
