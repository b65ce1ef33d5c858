// Form 0 of a speech page, as gumbo parses the fuzz input.
#include "FuzzCheck.h"

#include "speech/SpeechPage.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray html(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const SpeechPage::Element &element : SpeechPage::parseForm0(html)) {
        FUZZ_CHECK(!element.name.isEmpty() && element.name == element.name.trimmed(), element.name);
        FUZZ_CHECK(!element.caption.isEmpty(), element.name);
    }
    return 0;
}
