#include "dictionary/DictionaryText.h"

QString DictionaryText::folded(QStringView text)
{
    QString out(text.size(), Qt::Uninitialized);
    auto *dst = reinterpret_cast<char16_t *>(out.data());
    for (qsizetype i = 0; i < text.size(); ++i)
        dst[i] = fold(text[i].unicode());
    return out;
}
