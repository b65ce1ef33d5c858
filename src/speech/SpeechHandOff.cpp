#include "speech/SpeechHandOff.h"

#include "app/FormRegistry.h"
#include "app/ProgramDirectory.h"
#include "app/TextFile.h"
#include "workspace/Form1.h"

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

bool SpeechHandOff::click(const QString &element)
{
    return form<Form1>().clickPageElement(element);
}
