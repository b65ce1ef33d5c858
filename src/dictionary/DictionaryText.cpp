#include "dictionary/DictionaryText.h"

QString DictionaryText::folded(QStringView text)
{
    QString out(text.size(), Qt::Uninitialized);
    auto *dst = reinterpret_cast<char16_t *>(out.data());
    const auto *src = reinterpret_cast<const char16_t *>(text.data());
    for (qsizetype i = 0; i < text.size(); ++i)
        dst[i] = foldedAt(src, text.size(), i);
    return out;
}
