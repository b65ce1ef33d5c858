#include "speech/VoiceTagParser.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace {

// Leading number of a tag value ("120%dB" gives 120); nothing when it starts otherwise.
std::optional<double> leadingNumber(QStringView text)
{
    static const QRegularExpression number(QStringLiteral(R"(^\s*([+-]?\d+(?:[.,]\d+)?))"));
    const auto match = number.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    QString digits = match.captured(1);
    digits.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = digits.toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

std::optional<double> effectParameter(QStringView text, QStringView key)
{
    const auto at = text.indexOf(key);
    if (at < 0)
        return std::nullopt;
    return leadingNumber(text.mid(at + key.size()));
}

int clampedInt(double value, int low, int high)
{
    return int(std::lround(std::clamp(value, double(low), double(high))));
}

bool isKnownName(QStringView content)
{
    return content.trimmed().compare(u"Standard Sprecher", Qt::CaseInsensitive) == 0;
}

VoiceSegment setting(VoiceSegment::Kind kind, double value, int low, int high)
{
    VoiceSegment segment;
    segment.kind = kind;
    segment.value = clampedInt(value, low, high);
    return segment;
}

}

QList<VoiceSegment> VoiceTagParser::parseLine(QStringView line)
{
    if (line.size() >= 2 && line.startsWith(u'"') && line.endsWith(u'"'))
        line = line.mid(1, line.size() - 2);

    QList<VoiceSegment> segments;
    qsizetype textStart = 0;
    qsizetype search = 0;
    while (true) {
        const auto open = line.indexOf(u'#', search);
        if (open < 0)
            break;
        const auto close = line.indexOf(u'#', open + 1);
        if (close < 0)
            break;
        const QStringView content = line.mid(open + 1, close - open - 1);
        if (!looksLikeTag(content)) {
            // This "#" is text; the closing one may still open a tag.
            search = close;
            continue;
        }
        appendText(segments, line.mid(textStart, open - textStart));
        if (auto change = interpretTag(content))
            segments.append(*change);
        textStart = search = close + 1;
    }
    appendText(segments, line.mid(textStart));
    return segments;
}

bool VoiceTagParser::looksLikeTag(QStringView content)
{
    const QStringView trimmed = content.trimmed();
    if (trimmed.isEmpty() || !trimmed.front().isLetter())
        return false;
    if (isKnownName(trimmed))
        return true;
    // One word, "=", one value without blanks: "VOL=200%dB", "AFX =DL122=1:...". A tag left
    // open ("#VOL=200%dB Hallo #spd=50%#") would otherwise swallow the text up to the next one.
    const auto equals = trimmed.indexOf(u'=');
    if (equals < 0)
        return false;
    const QStringView name = trimmed.left(equals).trimmed();
    const QStringView value = trimmed.mid(equals + 1).trimmed();
    const auto isWordCharacter = [](QChar c) { return c.isLetterOrNumber() || c == u'_'; };
    return std::all_of(name.begin(), name.end(), isWordCharacter)
           && std::none_of(value.begin(), value.end(), [](QChar c) { return c.isSpace(); });
}

std::optional<VoiceSegment> VoiceTagParser::interpretTag(QStringView content)
{
    const auto equals = content.indexOf(u'=');
    if (equals < 0)
        return std::nullopt;
    const QStringView name = content.left(equals).trimmed();
    const QStringView value = content.mid(equals + 1);
    const auto is = [&name](QStringView known) { return name.compare(known, Qt::CaseInsensitive) == 0; };

    if (is(u"voice")) {
        QStringView alias = value.trimmed();
        if (alias.startsWith(u"name:", Qt::CaseInsensitive))
            alias = alias.mid(5).trimmed();
        if (alias.isEmpty())
            return std::nullopt;
        VoiceSegment segment;
        segment.kind = VoiceSegment::Kind::Voice;
        segment.text = alias.toString();
        return segment;
    }
    if (is(u"AFX")) {
        const auto delay = effectParameter(value, u"$123=");
        if (!delay)
            return std::nullopt;
        VoiceSegment segment = setting(VoiceSegment::Kind::Echo, *delay, kMinEchoDelay, kMaxEchoDelay);
        segment.feedback = std::clamp(effectParameter(value, u"$124=").value_or(0.0), 0.0, kMaxEchoFeedback);
        return segment;
    }

    struct Simple
    {
        QStringView name;
        VoiceSegment::Kind kind;
        int low;
        int high;
    };
    static constexpr Simple simple[] = {
        {u"VOL", VoiceSegment::Kind::Volume, kMinVolume, kMaxVolume},
        {u"bpit", VoiceSegment::Kind::BasePitch, kMinBasePitch, kMaxBasePitch},
        {u"spd", VoiceSegment::Kind::Speed, kMinSpeed, kMaxSpeed},
        {u"pit", VoiceSegment::Kind::Intonation, kMinIntonation, kMaxIntonation},
        {u"BINT", VoiceSegment::Kind::Roughness, kMinRoughness, kMaxRoughness},
    };
    for (const auto &form : simple) {
        if (!is(form.name))
            continue;
        const auto number = leadingNumber(value);
        if (!number)
            return std::nullopt;
        return setting(form.kind, *number, form.low, form.high);
    }
    return std::nullopt;
}

void VoiceTagParser::appendText(QList<VoiceSegment> &segments, QStringView text)
{
    const QStringView trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return;
    VoiceSegment segment;
    segment.text = trimmed.toString();
    segments.append(segment);
}
