#include "core/CountryTexts.h"

#include <QRegularExpression>

namespace {
struct Entry
{
    const char *key;
    const char *designText; // UTF-8
};

// In the order of the ids. Blanks that join a text to what follows it are added where it is
// used: a country file's values lose their outer blanks.
constexpr Entry kEntries[] = {
    {"KeyEingabeM", "Mit Enter übersetzen"},
    {"KeyWoerterbuchM", "Geladenes Woerterbuch-Anzeige"},
    {"KeyLadebalkenM", "Lade Balken"},
    {"KeyBeschreibungM", "Mit Doppelklick Hilfetext vorlesen lassen"},
    {"KeyMehr", "mehr>>"},
    {"KeyHoch", "<< hoch"},
    {"KeyHochM", "Auswahl hoch. Oder Pfeiltaste hoch."},
    {"KeyRunter", "<< runter"},
    {"KeyRunterM", "Auswahl runter. Oder Pfeiltaste runter."},
    {"KeyBeispiel", "Beschreibung :>"},
    {"KeyBeispielText1", "Beispiel: [Woerterbuch-Muster.txt] Schreiben Sie in das gelb markierte Textfeld [hallo] "
                         "danach drücken Sie auf die [Entertaste]!"},
    {"KeyBeispielText2",
     "Nun wird das geschriebene Wort [hallo] hier im Beispiel Englisch also [hello] übersetzt und ausgesprochen!"},
    {"KeyBeispielText3", "Gleichzeitig wird eine Liste angezeigt mit folgenden Einträgen: [hallo;hello;Gruss]."},
    {"KeyBeispiel2", "Beispiel 2 :"},
    {"KeyHochHilfe", "Auswahl hoch"},
    {"KeyRunterHilfe", "Auswahl runter"},
    {"KeyTextfeld1Hilfe",
     "Textfeld 1: Eingabefeld. Bei Suchtreffer wird das Textfeld 1 in gelber Farbe dargestellt ! "},
    {"KeyTextfeld2Hilfe1", "Textfeld 2: Unteres Textfeld 2 eignet sich um ganze Sätze im Wörterbuch zu finden! Geben "
                           "Sie einfach die ersten Buchstaben ein,"},
    {"KeyTextfeld2Hilfe2", "und schon wird eine alphabetische Liste verwandter und ähnlich geschriebener Wörter "
                           "angezeigt."},
    {"KeyListeHilfe", "Mit Doppelklick markiertes Wörterbuch laden.."},
    {"KeyAusblendenHilfe", "Liste ausblenden"},
    {"KeySpeicherPfad", "Speicher Pfad =>"},
    {"KeyStimmeHilfe", "Stimme. voice ."},
    {"KeySchrift", "Schrift:"},
    {"KeyFokus1", "Focus 1"},
    {"KeyFokus2", "Focus 2"},
    {"KeyPaarDeEn", "Deutsch-Englisch"},
    {"KeyPaarDeGr", "Deutsch-Griechisch"},
    {"KeyPaarDeIt", "Deutsch-Italienisch"},
    {"KeyPaarSpDe", "Spanisch-Deutsch"},
    {"KeyPaarMuster", "Beispiel-Woerterbuch"},
    {"KeyPaarLand", "Land"},
    {"KeyDateiWaehlen", "Programm wählen"},
    {"KeyZuVieleWorte", "Zu viele Worte!"},
    {"KeySchreibschutz", "Achtung : Schreibschutz entfernen [hilfe.txt]!"},
    {"KeySchreibschutzBrief", "Achtung : Schreibschutz entfernen [syso\\brief.txt]!"},
    {"KeyWebspeech", "Achtung : Haben Sie webspeech installiert ?"},
    {"KeyWoerterbuchFehlt", "Fehler im Wörterbuch"},
    {"KeyWoerterbuchFehler", "Achtung: Im Woerterbuch sind Fehler"},
    {"KeyTrennlinien", "Das Wörterbuch sollte mit 3 Trennlinien eingeteilt werden"},
    {"KeyZumBeispiel", "z.B."},
    {"KeyTrennlinie", "Trennlinie"},
    {"KeyAufteilen1", "Grosse umfangreiche Wörterbücher müssen so aufgeteilt werden,"},
    {"KeyAufteilen2", "ansonsten ist der Listenspeicher überladen."},
    {"KeyDreiTrennlinien", "Es müssen immer Drei Trennlinien im Wörterbuch vorhanden sein!"},
    {"KeyTrennzeichen", "Eine Trennlinien besteht aus folgenden Zeichen:"},
    {"KeyEingeteilt", "Das Wörterbuch ist mit 3 Trennlinien eingeteilt"},
    {"KeyFehlermeldung", "Und eine Fehler Meldung wird angezeigt."},
    {"KeyZuGross", "Das Wörterbuch wird nicht geladen: Die Datei ist größer als 64 MB."},
    {"KeyZeileZuLang", "Das Wörterbuch wird nicht geladen: Zeile %1 ist länger als 64 KB."},
    {"KeyDrucker", "Achtung :Text wird zum Drucker übertragen!"},
    {"KeyKeinDrucker", "Achtung :Kein Kontakt zum Drucker!"},
    {"KeySprecherTitel", "Sprecher"},
    {"KeySeiteSprechen", "Sprechen"},
    {"KeySeiteWort", "Wort"},
    {"KeySeiteStop", "Stop"},
    {"KeySeitePause", "Pause"},
    {"KeySeiteWeiter", "Weiter"},
    {"KeySeiteNochmal", "Nochmal"},
    {"KeySeiteFehlt", "Seite nicht gefunden"},
    {"KeyHilfeTitel", "Hilfe:"},
    {"KeyHilfeStart", " Hilfe Halmorix"},
    {"KeyStopM", "Stop Sprache"},
    {"KeyPauseM", "Pause Sprache"},
    {"KeyWeiterM", "Weiter sprechen"},
    {"KeyNochmalM", "Nochmal sprechen"},
    {"KeySchliessenHilfe", "Hilfe Fenster schließen!!"},
    {"KeyGroesserHilfe", "Schrift größer machen!"},
    {"KeyKleinerHilfe", "Schrift kleiner machen!"},
    {"KeyTastenHilfe", "F2,Play. F3,Pause. F4,Stop. F5,Weiter. F6,Nochmal."},
    {"KeyProgrammBeschreibung", "Programm Beschreibung:"},
    {"KeyHeimseite", "Über HX-Tolkarin"},
    {"KeyHeimseiteM", "Zeigt die Seite über das Programm im Web-Browser."},
    {"KeyHeimseiteAdresse", "\\hilfe-vq\\index.htm"},
    {"KeyStandardSprecher", "# Standard Sprecher #"},
    {"KeyStimmeMit", "Stimme mit:"},
    {"KeyNichtsEingegeben", "Sie haben nichts eingegeben!"},
    {"KeyExit", "Exit"},
    {"KeyTonAus", "Ton Aus"},
    {"KeyTonEin", "Ton Ein"},
    {"KeyLandWahl", "Land-Einstellung  Country-Alignment Language"},
    {"KeyKeineSprachdaten", "Die Sprachausgabe hat keine Sprachdaten gefunden (espeak-ng-data). Texte können nicht "
                            "vorgelesen werden."},
    {"KeyKeineSprachdatenIn", "Die Sprachausgabe hat keine Sprachdaten gefunden (espeak-ng-data in %1). Texte können "
                              "nicht vorgelesen werden."},
    {"KeySprachausgabeStartet",
     "Die Sprachausgabe espeak-ng lässt sich nicht starten. Texte können nicht vorgelesen werden."},
    {"KeyStimmenlisteFehlt",
     "Die Stimmenliste voices.txt fehlt im Programmordner (%1). Es spricht die deutsche Standardstimme."},
    {"KeyStimmenlisteFehler",
     "Die Stimmenliste voices.txt enthält ungültige Einträge (%1 %2); sie werden nicht verwendet."},
    {"KeyZeile", "Zeile"},
    {"KeyZeilen", "Zeilen"},
    {"KeyStimmeFehlt", "Die Stimme „%1“ lässt sich in espeak-ng nicht laden; es spricht eine andere Stimme."},
    {"KeyStimmeFehltIn",
     "Die Stimme „%1“ aus voices.txt lässt sich in espeak-ng nicht laden (%2); es spricht eine andere Stimme."},
    {"KeyNichtZuHoeren",
     "Die Sprachausgabe ist nicht zu hören: %1. Sie läuft stumm weiter, bis ein Audiogerät bereitsteht."},
    {"KeyKeinAudiogeraet", "Kein Audiogerät vorhanden"},
    {"KeyAudiogeraetWeg", "Das Audiogerät ist nicht mehr verfügbar"},
    {"KeyAudiogeraetAntwortetNicht", "Das Audiogerät antwortet nicht"},
    {"KeyFormGefunden", "%1 → %2"},
    {"KeyFormGefundenAuch", "%1 → %2 (auch: %3)"},
    {"KeyMeintenSie", "Meinten Sie: %1?"},
    {"KeyNameTextfeld1", "Textfeld 1"},
    {"KeyNameTextfeld2", "Textfeld 2"},
    {"KeyNameTeil1", "Wörterbuch, Teil 1"},
    {"KeyNameTeil2", "Wörterbuch, Teil 2"},
    {"KeyNameTeil3", "Wörterbuch, Teil 3"},
    {"KeyNameTeil4", "Wörterbuch, Teil 4"},
    {"KeyNameWoerterbuecher", "Wörterbücher"},
    {"KeyNameEintrag", "Eintrag"},
    {"KeyNameSchriftEingabe", "Schrift der Eingabefelder"},
    {"KeyNameSchriftBrief", "Schrift des Briefs"},
    {"KeyNameBrief", "Brief"},
    {"KeyNameLaender", "Länder"},
    {"KeyNameGespeichertesLand", "Gespeichertes Land"},
    {"KeyNameVorlesen", "Hilfetext vorlesen"},
    {"KeyNameTestsatz", "Testsatz"},
};
static_assert(std::size(kEntries) == CountryTexts::Count, "one entry per id, in the order of the ids");

// A design text with placeholders as a pattern that finds the arguments in a message made of it.
QRegularExpression pattern(const QString &designText)
{
    static const QRegularExpression placeholder(QStringLiteral("%[1-9]"));
    QString regex = QStringLiteral("^");
    qsizetype from = 0;
    for (auto it = placeholder.globalMatch(designText); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        regex += QRegularExpression::escape(designText.mid(from, m.capturedStart() - from)) + QStringLiteral("(.*?)");
        from = m.capturedEnd();
    }
    regex += QRegularExpression::escape(designText.mid(from)) + u'$';
    return QRegularExpression(regex, QRegularExpression::DotMatchesEverythingOption);
}
}

QLatin1StringView CountryTexts::key(Id id)
{
    return QLatin1StringView(kEntries[id].key);
}

QString CountryTexts::designText(Id id)
{
    return QString::fromUtf8(kEntries[id].designText);
}

QStringList CountryTexts::keys()
{
    QStringList all;
    for (const Entry &entry : kEntries)
        all.append(QLatin1StringView(entry.key));
    return all;
}

void CountryTexts::apply(const std::function<QString(QLatin1StringView key)> &read, const QString &language)
{
    m_language = language;
    for (int id = 0; id < Count; ++id)
        m_texts[id] = read(key(Id(id)));
}

LocalText CountryTexts::text(Id id) const
{
    if (m_texts[id].isEmpty())
        return {designText(id), LocalText::kGerman};
    return {m_texts[id], m_language};
}

LocalText CountryTexts::joined(std::initializer_list<Id> ids) const
{
    LocalText all;
    bool first = true;
    for (const Id id : ids) {
        const LocalText part = text(id);
        if (first)
            all.language = part.language;
        else
            all.text += u' ';
        all.text += part.text;
        first = false;
    }
    return all;
}

LocalText CountryTexts::localise(const QString &message) const
{
    for (int id = 0; id < Count; ++id) {
        const QString design = designText(Id(id));
        if (!design.contains(u'%')) {
            if (message == design)
                return text(Id(id));
            continue;
        }
        const QRegularExpressionMatch m = pattern(design).match(message);
        if (!m.hasMatch())
            continue;
        // The arguments may be texts of their own ("Zeilen", an audio device's fault).
        QStringList arguments;
        for (int k = 1; k <= m.lastCapturedIndex(); ++k)
            arguments.append(localise(m.captured(k)).text);
        LocalText result = text(Id(id));
        result.text = arguments.size() == 1   ? result.text.arg(arguments[0])
                      : arguments.size() == 2 ? result.text.arg(arguments[0], arguments[1])
                                              : result.text;
        return result;
    }
    return {message, LocalText::kGerman};
}
