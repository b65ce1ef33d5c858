#pragma once

#include <QObject>
#include <QVariant>
#include <QVariantList>

#include <functional>
#include <optional>

class VoiceCatalogue;

// The speech control of the speech settings window: lists the voices of the voice catalogue
// and makes one of them current, reached through dispatch ids as its callers know it.
class SpeechControl : public QObject
{
    Q_OBJECT
public:
    enum DispatchId : int {
        EngineState = 4,
        SpeechFontCount = 14,
        SpeechFontAlias = 17,
        SelectSpeechFont = 28,
        CurrentSpeechFont = 29,
    };
    // The catalogue is asked for on every call: null means no control, and every call fails.
    using CatalogueSource = std::function<VoiceCatalogue *()>;

    explicit SpeechControl(CatalogueSource catalogue, QObject *parent = nullptr);
    // Over the catalogue of the speech service of this run.
    explicit SpeechControl(QObject *parent = nullptr);

    // Runs the operation of that id. Nothing when the call fails: no control, an unknown id,
    // a missing argument or an index out of range. Operations without a result give an
    // empty (valid or invalid) QVariant.
    std::optional<QVariant> invoke(int dispatchId, const QVariantList &arguments = {});

private:
    CatalogueSource m_catalogue;
};
