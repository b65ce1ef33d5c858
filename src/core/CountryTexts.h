#pragma once

#include "core/LocalText.h"

#include <QLatin1StringView>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>

// The texts of the interface that a country file gives with keys of our own, beyond the captions
// and help texts of its key table: captions and help texts set in code, mouse-over texts,
// messages, window titles. Each has a German design text, which stands until a country file
// gives the key. A text knows its language: the applied file's where the file gave it, German
// where the design text stands.
class CountryTexts
{
public:
    enum Id {
        // The main window.
        EingabeM,
        WoerterbuchM,
        LadebalkenM,
        BeschreibungM,
        Mehr,
        Hoch,
        HochM,
        Runter,
        RunterM,
        Beispiel,
        BeispielText1,
        BeispielText2,
        BeispielText3,
        Beispiel2,
        HochHilfe,
        RunterHilfe,
        Textfeld1Hilfe,
        Textfeld2Hilfe1,
        Textfeld2Hilfe2,
        ListeHilfe,
        AusblendenHilfe,
        SpeicherPfad,
        StimmeHilfe,
        Schrift,
        Fokus1,
        Fokus2,
        PaarDeEn,
        PaarDeGr,
        PaarDeIt,
        PaarSpDe,
        PaarMuster,
        PaarLand,
        DateiWaehlen,
        // The main window's messages.
        ZuVieleWorte,
        Schreibschutz,
        SchreibschutzBrief,
        Webspeech,
        WoerterbuchFehlt,
        WoerterbuchFehler,
        Trennlinien,
        ZumBeispiel,
        Trennlinie,
        Aufteilen1,
        Aufteilen2,
        DreiTrennlinien,
        Trennzeichen,
        Eingeteilt,
        Fehlermeldung,
        ZuGross,
        ZeileZuLang,
        Drucker,
        KeinDrucker,
        // The speaker window and its speech page, whose own captions stand where a country file
        // gives none.
        SprecherTitel,
        SeiteSprechen,
        SeiteWort,
        SeiteStop,
        SeitePause,
        SeiteWeiter,
        SeiteNochmal,
        SeiteFehlt,
        // The help window.
        HilfeTitel,
        HilfeStart,
        StopM,
        PauseM,
        WeiterM,
        NochmalM,
        SchliessenHilfe,
        GroesserHilfe,
        KleinerHilfe,
        TastenHilfe,
        ProgrammBeschreibung,
        Heimseite,
        HeimseiteM,
        HeimseiteAdresse,
        // The speech settings window.
        StandardSprecher,
        StimmeMit,
        NichtsEingegeben,
        // The country window, the tray menu, the first-run window.
        Exit,
        TonAus,
        TonEin,
        LandWahl,
        // The speech output's messages.
        KeineSprachdaten,
        KeineSprachdatenIn,
        SprachausgabeStartet,
        StimmenlisteFehlt,
        StimmenlisteFehler,
        Zeile,
        Zeilen,
        StimmeFehlt,
        StimmeFehltIn,
        NichtZuHoeren,
        KeinAudiogeraet,
        AudiogeraetWeg,
        AudiogeraetAntwortetNicht,
        // The main window's hints on word forms and near misses: the typed word, its entry, the
        // other entries it could belong to; the spellings offered.
        FormGefunden,
        FormGefundenAuch,
        MeintenSie,
        // What a screen reader calls the controls that show no words of their own.
        NameTextfeld1,
        NameTextfeld2,
        NameTeil1,
        NameTeil2,
        NameTeil3,
        NameTeil4,
        NameWoerterbuecher,
        NameEintrag,
        NameSchriftEingabe,
        NameSchriftBrief,
        NameBrief,
        NameLaender,
        NameGespeichertesLand,
        NameVorlesen,
        NameTestsatz,

        Count
    };

    // The key in the country file ("KeyHoch").
    static QLatin1StringView key(Id id);
    static QString designText(Id id);
    // Every key, in the order the country files list them.
    static QStringList keys();

    // The design texts, German.
    CountryTexts() = default;

    // Takes every key through read; a key that is missing or empty keeps its design text. The
    // texts read are in language.
    void apply(const std::function<QString(QLatin1StringView key)> &read, const QString &language);

    LocalText text(Id id) const;
    // Whether the applied country file gave the text.
    bool given(Id id) const { return !m_texts[id].isEmpty(); }
    // The texts joined by blanks, in the language of the first: a text longer than one value
    // of a country file holds.
    LocalText joined(std::initializer_list<Id> ids) const;
    // A message made of design texts (the speech output's, with their arguments filled in) in
    // the applied texts; a message that is none of them stays as it is.
    LocalText localise(const QString &message) const;

private:
    std::array<QString, Count> m_texts;
    QString m_language;
};
