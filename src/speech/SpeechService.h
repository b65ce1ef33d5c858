#pragma once

#include "speech/SpeechHandOff.h"

#include <QObject>
#include <QString>

#include <memory>

class SpeechEngine;
class SpeechPage;
class VoiceCatalogue;

// What speaks for every window: the speech engine with its voice catalogue and the speech
// pages it runs. Made once by the program's entry and destroyed after the last window; the
// speaker window only shows its page.
class SpeechService : public QObject
{
    Q_OBJECT
public:
    explicit SpeechService(const QString &programDirectory, QObject *parent = nullptr);
    ~SpeechService() override;

    // The service of this run; null before it is made and after it is gone.
    static SpeechService *current();

    SpeechEngine &engine();
    VoiceCatalogue &voices();
    SpeechPage &page(SpeechHandOff::Page page);

    // Reads the pages from the program directory again.
    void reloadPages();
    bool click(SpeechHandOff::Page page, const QString &element, const QString &language);

private:
    struct Private;
    std::unique_ptr<Private> d;
};
