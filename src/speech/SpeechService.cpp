#include "speech/SpeechService.h"

#include "speech/SpeechEngine.h"
#include "speech/SpeechPage.h"

#include <QDir>

namespace {
SpeechService *g_current = nullptr;
}

struct SpeechService::Private
{
    explicit Private(const QString &dir, SpeechService *owner)
        : programDirectory(dir), engine(dir), speaker(&engine), voiceTest(&engine)
    {
        Q_UNUSED(owner);
    }

    QString programDirectory;
    SpeechEngine engine;
    SpeechPage speaker;
    SpeechPage voiceTest;
    QString lastLanguage;
};

SpeechService::SpeechService(const QString &programDirectory, QObject *parent)
    : QObject(parent), d(std::make_unique<Private>(programDirectory, this))
{
    reloadPages();
    g_current = this;
}

SpeechService::~SpeechService()
{
    if (g_current == this)
        g_current = nullptr;
}

SpeechService *SpeechService::current()
{
    return g_current;
}

SpeechEngine &SpeechService::engine()
{
    return d->engine;
}

VoiceCatalogue &SpeechService::voices()
{
    return d->engine.voices();
}

SpeechPage &SpeechService::page(SpeechHandOff::Page page)
{
    return page == SpeechHandOff::Page::VoiceTest ? d->voiceTest : d->speaker;
}

void SpeechService::reloadPages()
{
    const QDir dir(d->programDirectory);
    // A missing page leaves it empty: every click on it then fails, as callers expect.
    (void)d->speaker.load(dir.filePath(QStringLiteral("sp")));
    (void)d->voiceTest.load(dir.filePath(QStringLiteral("sprech.htm")));
}

bool SpeechService::click(SpeechHandOff::Page page, const QString &element, const QString &language)
{
    // "Sprechenx" and the page's own buttons speak the hand-off file again without knowing its
    // language: the language of the text last handed off is the best guess.
    if (!language.isEmpty())
        d->lastLanguage = language;
    return this->page(page).click(element, language.isEmpty() ? d->lastLanguage : language);
}
