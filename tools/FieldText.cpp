#include "FieldText.h"

namespace {

bool breaksLine(QChar c)
{
    return c.unicode() < 0x20 || c.unicode() == 0x7F || c.unicode() == 0x85 || c.unicode() == 0x2028
           || c.unicode() == 0x2029;
}

} // namespace

QString FieldText::clean(QStringView text)
{
    QString out;
    out.reserve(text.size());
    int backslashes = 0;
    for (const QChar c : text) {
        if (c == u'\\') {
            if (++backslashes > MaxBackslashRun)
                continue;
            out += c;
            continue;
        }
        backslashes = 0;
        if (c == u';')
            out += u',';
        else if (breaksLine(c))
            out += u' ';
        else
            out += c;
    }
    return out.simplified();
}
