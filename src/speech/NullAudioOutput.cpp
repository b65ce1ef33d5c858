#include "speech/NullAudioOutput.h"

NullAudioOutput::NullAudioOutput(QString reason, QObject *parent)
    : PacedAudioOutput(parent), m_reason(std::move(reason))
{}

bool NullAudioOutput::isAudible() const
{
    return false;
}

QString NullAudioOutput::errorString() const
{
    return m_reason;
}

void NullAudioOutput::consume(const qint16 *, qsizetype) {}
