#include "speech/SpeechHandOff.h"

#include "core/ProgramDirectory.h"
#include "core/TextFile.h"
#include "speech/SpeechService.h"

namespace {
SpeechHandOff::ClickHandler &handler()
{
    static SpeechHandOff::ClickHandler h;
    return h;
}
}

QString SpeechHandOff::path()
{
    return ProgramDirectory::file(u"hilfe.txt");
}

bool SpeechHandOff::writeQuoted(const QString &text)
{
    return TextFile::writeQuotedRecord(path(), text);
}

bool SpeechHandOff::writeLines(const QStringList &lines)
{
    return TextFile::writeLines(path(), lines);
}

bool SpeechHandOff::click(Page page, const QString &element, const QString &language)
{
    if (handler())
        return handler()(page, element, language);
    SpeechService *service = SpeechService::current();
    return service && service->click(page, element, language);
}

void SpeechHandOff::setClickHandler(ClickHandler h)
{
    handler() = std::move(h);
}
