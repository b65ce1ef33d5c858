#include "localisation/CountryKeys.h"

#include <iterator>

namespace {
using Property = CountryKeys::Property;

constexpr CountryKeys::Row kTable[] = {
    {"Key1", "Form1", "Command1", Property::Caption},
    {"Key1M", "Form1", "Command1", Property::ToolTip},
    {"Key2", "hilfe1", "Label6", Property::Caption},
    {"Key2M", "hilfe1", "Label6", Property::ToolTip},
    {"Key3", "hilfe1", "Check1", Property::Caption},
    {"Key3M", "hilfe1", "Check1", Property::ToolTip},
    {"KeyPfad", "hilfe1", "Text1", Property::Text},
    {"Key4", "Logox4", "Frame2", Property::Caption},
    {"Key5", "Logox4", "", Property::WindowCaption},
    {"Key6", "Logox4", "Text3", Property::Text},
    {"Key6M", "Logox4", "SpeechFontCombo", Property::ToolTip},
    {"Key7", "Logox4", "Command9", Property::Caption},
    {"Key7M", "Logox4", "Command9", Property::ToolTip},
    {"Key8", "Logox4", "Command11", Property::Caption},
    {"Key8M", "Logox4", "Command11", Property::ToolTip},
    {"Key9", "Logox4", "CloseButton", Property::Caption},
    {"Key9M", "Logox4", "CloseButton", Property::ToolTip},
    {"Key10", "Logox4", "Label8", Property::Caption},
    {"Key11", "Logox4", "Label9", Property::Caption},
    {"Keyweb", "Logox4", "Label19", Property::Caption},
    {"KeywebM", "Logox4", "Label19", Property::ToolTip},
    {"Key12", "Logox4", "Label10", Property::Caption},
    {"Key13", "Logox4", "Label11", Property::Caption},
    {"Key14", "Logox4", "Label12", Property::Caption},
    {"Key15", "Logox4", "Label14", Property::Caption},
    {"Key18", "starter", "Command9", Property::Caption},
    {"Key19", "starter", "Command10", Property::Caption},
    {"Key22", "starter", "Label1", Property::Caption},
    {"Key22A", "starter", "Label3", Property::Caption},
    {"Key22AM", "starter", "Label3", Property::ToolTip},
    {"Key22APM", "starter", "Picture1", Property::ToolTip},
    {"Key23", "halmorix", "ton", Property::Caption},
    {"Key24", "halmorix", "beschreib", Property::Caption},
    {"Key25", "halmorix", "HilfeFenster", Property::Caption},
    {"Key26", "halmorix", "supert", Property::Caption},
    {"Key27", "halmorix", "sm", Property::Caption},
    {"Key27A", "halmorix", "sprecherfenster", Property::Caption},
    {"Key27B", "halmorix", "landeinstellung", Property::Caption},
    {"Key28", "vodozaduda1", "Command31", Property::ToolTip},
    {"Key29", "vodozaduda1", "Command37", Property::Caption},
    {"Key29M", "vodozaduda1", "Command37", Property::ToolTip},
    {"Key30", "vodozaduda1", "Command36", Property::ToolTip},
    {"Key31", "vodozaduda1", "Command33", Property::ToolTip},
    {"Key32", "vodozaduda1", "Command32", Property::Caption},
    {"Key32M", "vodozaduda1", "Command32", Property::ToolTip},
    {"Key33", "vodozaduda1", "Command47", Property::Caption},
    {"Key33M", "vodozaduda1", "Command47", Property::ToolTip},
    {"Key34", "vodozaduda1", "Command29", Property::Caption},
    {"Key34M", "vodozaduda1", "Command29", Property::ToolTip},
    {"Key35", "vodozaduda1", "Command41", Property::Caption},
    {"Key35M", "vodozaduda1", "Command41", Property::ToolTip},
    {"Key36", "vodozaduda1", "Command46", Property::Caption},
    {"Key36M", "vodozaduda1", "Command46", Property::ToolTip},
    {"Key37", "vodozaduda1", "Check3", Property::Caption},
    {"Key37M", "vodozaduda1", "Check3", Property::ToolTip},
    {"Key38", "vodozaduda1", "Command28", Property::Caption},
    {"Key38M", "vodozaduda1", "Command28", Property::ToolTip},
    {"Key39", "vodozaduda1", "Command23", Property::Caption},
    {"Key39M", "vodozaduda1", "Command23", Property::ToolTip},
    {"Key39-1", "vodozaduda1", "Command22", Property::ToolTip},
    {"Key39-2", "vodozaduda1", "Command24", Property::ToolTip},
    {"Key39-3", "vodozaduda1", "Command26", Property::ToolTip},
    {"Key40", "vodozaduda1", "Command27", Property::Caption},
    {"Key40M", "vodozaduda1", "Command27", Property::ToolTip},
    {"Key41", "vodozaduda1", "Check2", Property::Caption},
    {"Key41M", "vodozaduda1", "Check2", Property::ToolTip},
    {"Key42", "vodozaduda1", "Check1", Property::Caption},
    {"Key42M", "vodozaduda1", "Check1", Property::ToolTip},
    {"Key43", "vodozaduda1", "Command2", Property::Caption},
    {"Key43M", "vodozaduda1", "Command2", Property::ToolTip},
    {"Key44", "vodozaduda1", "Command43", Property::Caption},
    {"Key44M", "vodozaduda1", "Command43", Property::ToolTip},
    {"Key45", "vodozaduda1", "Command18", Property::Caption},
    {"Key45M", "vodozaduda1", "Command18", Property::ToolTip},
    {"Key46", "vodozaduda1", "Command17", Property::Caption},
    {"Key46M", "vodozaduda1", "Command17", Property::ToolTip},
    {"Key47", "vodozaduda1", "Check4", Property::Caption},
    {"Key47M", "vodozaduda1", "Check4", Property::ToolTip},
    {"Key48", "vodozaduda1", "Command44", Property::Caption},
    {"Key48M", "vodozaduda1", "Command44", Property::ToolTip},
    {"Key49", "vodozaduda1", "Command14", Property::Caption},
    {"Key49M", "vodozaduda1", "Command14", Property::ToolTip},
    {"Key50", "vodozaduda1", "Command45", Property::Caption},
    {"Key50M", "vodozaduda1", "Command45", Property::ToolTip},
    {"KeyListeM", "vodozaduda1", "File1", Property::ToolTip},
    {"Key51", "vodozaduda1", "Label2", Property::Caption},
    {"Key52", "vodozaduda1", "Frame1", Property::Caption},
    {"Key53", "vodozaduda1", "Label3", Property::Caption},
    {"KeyBesch", "vodozaduda1", "Label6", Property::Caption},
    {"KeyBesch1", "vodozaduda1", "Label6", Property::ToolTip},
    {"KeyBesch2", "vodozaduda1", "Label7", Property::ToolTip},
    {"KeyBesch3", "vodozaduda1", "Label8", Property::ToolTip},
    {"Key54", "Form2", "Command7", Property::Caption},
    {"Key55", "Form2", "Command22", Property::Caption},
    {"Key56", "Form2", "Command8", Property::Caption},
    {"Key57", "Form2", "", Property::WindowCaption},
    {"Key58", "Form2", "Frame2", Property::ToolTipThenCaption},
    {"KeyCheckschrift1", "vodozaduda1", "Check5", Property::ToolTip},
    {"KeyCheckschrift2", "vodozaduda1", "Check6", Property::ToolTip},
    {"KeySchriftW", "vodozaduda1", "Combo1", Property::Text},
    {"KeySchriftWM", "vodozaduda1", "Combo1", Property::ToolTip},
};

using T = CountryTexts;
constexpr CountryKeys::TextRow kTextRows[] = {
    {T::EingabeM, "vodozaduda1", "Text3", Property::ToolTip},
    {T::EingabeM, "vodozaduda1", "Text1", Property::ToolTip},
    {T::WoerterbuchM, "vodozaduda1", "Text2", Property::ToolTip},
    {T::LadebalkenM, "vodozaduda1", "ProgressBar1", Property::ToolTip},
    {T::BeschreibungM, "vodozaduda1", "Label4", Property::ToolTip},
    {T::Mehr, "vodozaduda1", "Label5", Property::Caption},
    {T::Hoch, "vodozaduda1", "Command19", Property::Caption},
    {T::HochM, "vodozaduda1", "Command19", Property::ToolTip},
    {T::Runter, "vodozaduda1", "Command20", Property::Caption},
    {T::RunterM, "vodozaduda1", "Command20", Property::ToolTip},
    {T::Beispiel, "vodozaduda1", "Command38", Property::Caption},
    {T::SprecherTitel, "Form1", "", Property::WindowCaption},
    {T::HilfeTitel, "hilfe1", "", Property::WindowCaption},
    {T::StopM, "hilfe1", "Image1", Property::ToolTip},
    {T::PauseM, "hilfe1", "Image3", Property::ToolTip},
    {T::WeiterM, "hilfe1", "Image4", Property::ToolTip},
    {T::NochmalM, "hilfe1", "Image5", Property::ToolTip},
    {T::Heimseite, "hilfe1", "Label5", Property::Caption},
    {T::HeimseiteM, "hilfe1", "Label5", Property::ToolTip},
    {T::Exit, "Form2", "Command24", Property::Caption},
    {T::Exit, "halmorix", "mnExit", Property::Caption},
    {T::LandWahl, "starter", "Command19", Property::Caption},
    {T::NameTextfeld1, "vodozaduda1", "Text3", Property::AccessibleName},
    {T::NameTextfeld2, "vodozaduda1", "Text1", Property::AccessibleName},
    {T::NameTeil1, "vodozaduda1", "List1", Property::AccessibleName},
    {T::NameTeil2, "vodozaduda1", "List2", Property::AccessibleName},
    {T::NameTeil3, "vodozaduda1", "List3", Property::AccessibleName},
    {T::NameTeil4, "vodozaduda1", "List4", Property::AccessibleName},
    {T::NameWoerterbuecher, "vodozaduda1", "File1", Property::AccessibleName},
    {T::NameEintrag, "vodozaduda1", "Text5", Property::AccessibleName},
    {T::NameSchriftEingabe, "vodozaduda1", "Check5", Property::AccessibleName},
    {T::NameSchriftBrief, "vodozaduda1", "Check6", Property::AccessibleName},
    {T::NameBrief, "vodozaduda1", "Text6", Property::AccessibleName},
    {T::NameLaender, "Form2", "File1", Property::AccessibleName},
    {T::NameGespeichertesLand, "Form2", "List1", Property::AccessibleName},
    {T::NameVorlesen, "hilfe1", "Picture1S", Property::AccessibleName},
    {T::NameTestsatz, "Logox4", "Text1", Property::AccessibleName},
};

constexpr CountryKeys::FontTarget kFontTargets[] = {
    {"Form1", "Command1"},
    {"hilfe1", "Label6"},
    {"hilfe1", "Check1"},
    {"Logox4", "Frame2"},
    {"Logox4", ""},
    {"Logox4", "Text3"},
    {"Logox4", "Command9"},
    {"Logox4", "Command11"},
    {"Logox4", "CloseButton"},
    {"Logox4", "Label8"},
    {"Logox4", "Label9"},
    {"Logox4", "Label19"},
    {"Logox4", "Label10"},
    {"Logox4", "Label11"},
    {"Logox4", "Label12"},
    {"Logox4", "Label14"},
    {"starter", ""},
    {"starter", "Command9"},
    {"starter", "Command10"},
    {"starter", "Label1"},
    {"starter", "Label3"},
    {"vodozaduda1", "Command37"},
    {"vodozaduda1", "Command32"},
    {"vodozaduda1", "Command47"},
    {"vodozaduda1", "Command29"},
    {"vodozaduda1", "Command41"},
    {"vodozaduda1", "Command46"},
    {"vodozaduda1", "Check3"},
    {"vodozaduda1", "Command28"},
    {"vodozaduda1", "Command23"},
    {"vodozaduda1", "Command27"},
    {"vodozaduda1", "Check2"},
    {"vodozaduda1", "Check1"},
    {"vodozaduda1", "Command2"},
    {"vodozaduda1", "Command43"},
    {"vodozaduda1", "Command18"},
    {"vodozaduda1", "Command17"},
    {"vodozaduda1", "Check4"},
    {"vodozaduda1", "Command44"},
    {"vodozaduda1", "Command14"},
    {"vodozaduda1", "Command45"},
    {"vodozaduda1", "Label2"},
    {"vodozaduda1", "Frame1"},
    {"vodozaduda1", "Label3"},
    {"vodozaduda1", "Label6"},
    {"Form2", "Command7"},
    {"Form2", "Command22"},
    {"Form2", "Command8"},
    {"Form2", ""},
    {"Form2", "Frame2"},
    {"hilfe1", "HLabel1"},
    {"vodozaduda1", "Text6"},
    {"vodozaduda1", "Label4"},
};
}

std::span<const CountryKeys::Row> CountryKeys::table()
{
    return kTable;
}

std::span<const CountryKeys::TextRow> CountryKeys::textRows()
{
    return kTextRows;
}

std::span<const CountryKeys::FontTarget> CountryKeys::fontTargets()
{
    return kFontTargets;
}

int CountryKeys::reads(Property property)
{
    return property == Property::ToolTipThenCaption ? 2 : 1;
}

int CountryKeys::readsPerApply()
{
    int count = 0;
    for (const Row &row : kTable)
        count += reads(row.property);
    return count + int(std::size(kFontTargets));
}

QStringList CountryKeys::fileKeys()
{
    QStringList keys;
    for (const Row &row : kTable)
        keys.append(QLatin1StringView(row.key));
    keys.append(kFontKey);
    keys.append(kLanguageKey);
    keys.append(CountryTexts::keys());
    return keys;
}
