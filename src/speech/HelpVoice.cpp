#include "speech/HelpVoice.h"

#include "speech/VoiceMarkup.h"

#include <QRegularExpression>

QString HelpVoice::language(const QString &code)
{
    static const QRegularExpression plainCode(QStringLiteral("^[a-z]{2,3}$"));
    const QString lower = code.trimmed().toLower();
    return plainCode.match(lower).hasMatch() ? lower : kDefaultLanguage;
}

QString HelpVoice::pattern(const QString &language)
{
    return VoiceMarkup::voiceTag(QStringLiteral("lgx.") + HelpVoice::language(language) + QStringLiteral(".silkrvlg"))
           + QStringLiteral(" #AFX =DL122=1:$123=26.0,$124=0.4,$125=0.0;# #BINT=43%#");
}
