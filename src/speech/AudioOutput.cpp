#include "speech/AudioOutput.h"

#include "speech/PulseAudioOutput.h"

#include <utility>

namespace {
// The audio-output seam: tests replace it; empty means the default device.
AudioOutput::Factory &installedFactory()
{
    static AudioOutput::Factory factory;
    return factory;
}
}

AudioOutput::AudioOutput(QObject *parent) : QObject(parent) {}

AudioOutput::~AudioOutput() = default;

std::unique_ptr<AudioOutput> AudioOutput::create()
{
    if (const auto &factory = installedFactory()) {
        if (auto output = factory())
            return output;
    }
    return createDefault();
}

AudioOutput::Factory AudioOutput::setFactory(Factory factory)
{
    return std::exchange(installedFactory(), std::move(factory));
}

std::unique_ptr<AudioOutput> AudioOutput::createDefault()
{
    return std::make_unique<PulseAudioOutput>();
}

bool AudioOutput::isAudible() const
{
    return true;
}
