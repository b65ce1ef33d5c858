#pragma once

#include "speech/PacedAudioOutput.h"

// Stands in when there is no audio device: takes the samples in real time and drops them,
// so speech still starts, pauses and ends as it would with sound.
class NullAudioOutput : public PacedAudioOutput
{
    Q_OBJECT
public:
    explicit NullAudioOutput(QString reason, QObject *parent = nullptr);

    bool isAudible() const override;
    QString errorString() const override;

protected:
    void consume(const qint16 *samples, qsizetype count) override;

private:
    QString m_reason;
};
