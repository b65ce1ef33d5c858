#include "BareVerb.h"

#include <QRegularExpression>

std::optional<QString> BareVerb::of(const QString &headword)
{
    static const QRegularExpression shape([] {
        const QString atom = QStringLiteral(R"((?:sich|etw\.|jdn\.|jdm\.|jds\.|jd\.|einer Sache))");
        const QString object = atom + QStringLiteral("(?:/") + atom + QStringLiteral(")*");
        const QString preposition = QStringLiteral("(?:als|an|auf|aus|bei|durch|für|gegen|gegenüber|hinter|in|mit|nach|"
                                                   "über|um|unter|von|vor|wegen|zu|zwischen)");
        const QString unit = QStringLiteral("(?:") + object + u'|' + preposition + u' ' + object + u')';
        const QString group = QStringLiteral("(?:") + unit + QStringLiteral(R"(|\()") + unit + QStringLiteral("(?: ")
                              + unit + QStringLiteral(R"()*\)))");
        return QRegularExpression(QStringLiteral("^") + group + QStringLiteral("(?: ") + group
                                  + QStringLiteral(")* ([a-zäöüß]+n)$"));
    }());
    const QRegularExpressionMatch match = shape.match(headword);
    if (!match.hasMatch())
        return std::nullopt;
    return match.captured(1);
}
