#include "speech/SpeechControl.h"

#include "speech/SpeechService.h"
#include "speech/VoiceCatalogue.h"

namespace {
std::optional<qsizetype> indexArgument(const QVariantList &arguments, qsizetype count)
{
    if (arguments.isEmpty())
        return std::nullopt;
    bool ok = false;
    const int index = arguments.first().toInt(&ok);
    if (!ok || index < 0 || index >= count)
        return std::nullopt;
    return index;
}
}

SpeechControl::SpeechControl(CatalogueSource catalogue, QObject *parent)
    : QObject(parent), m_catalogue(std::move(catalogue))
{}

SpeechControl::SpeechControl(QObject *parent)
    : SpeechControl(
        [] {
            SpeechService *service = SpeechService::current();
            return service ? &service->voices() : nullptr;
        },
        parent)
{}

std::optional<QVariant> SpeechControl::invoke(int dispatchId, const QVariantList &arguments)
{
    VoiceCatalogue *voices = m_catalogue ? m_catalogue() : nullptr;
    if (!voices)
        return std::nullopt;
    switch (dispatchId) {
    case EngineState:
        return QVariant(int(voices->count() > 0));
    case SpeechFontCount:
        return QVariant(int(voices->count()));
    case SpeechFontAlias:
        if (const auto index = indexArgument(arguments, voices->count()))
            return QVariant(voices->alias(*index));
        return std::nullopt;
    case SelectSpeechFont:
        if (const auto index = indexArgument(arguments, voices->count()); index && voices->setCurrentIndex(*index))
            return QVariant(int(*index));
        return std::nullopt;
    case CurrentSpeechFont:
        if (voices->currentIndex() < 0)
            return std::nullopt;
        return QVariant(int(voices->currentIndex()));
    default:
        return std::nullopt;
    }
}
