#pragma once

#include "ImportEntry.h"

#include <QString>
#include <QStringList>

#include <vector>

// Which inflected forms of the source lead to which base forms of the written dictionary.
// German-English gives every plural and verb form an article of its own whose "see:" line
// names its base among synonyms, other forms and phrases: "ging ... see: {gehen}, {laufen},
// {spazieren gehen}, {gehend}", "Kinder ... see: {Kind}, {Kleinstkind}, {adoptiertes Kind}".
// A linked headword counts as a base when it is written, is one word (a phrase such as
// "jdn. an etw. erinnern" counts as its bare verb) and the form is built on it:
//  - strong: the form begins with the base short of its last two letters, umlauts and case
//    aside, one "ge" skipped ("Häuser" Haus, "geklebt" kleben, "angebahnt" anbahnen);
//  - weak: only the first letter (after a leading "ge") agrees; taken only for a verb when no
//    link is strong, so that strong verbs keep their base ("ging" gehen, not laufen).
// Of those, nouns are preferred for a plural, verbs and then adjectives for the rest; then the
// base named by most of the form's articles, the longest common beginning, and bases the form
// begins with. Ties are all kept, in the source's frequency order.
class FormLinks
{
public:
    struct Line
    {
        QString form;
        QStringList bases;
    };

    // An entry of the inflected-form tier; its links are taken over.
    void add(ImportEntry &form);
    // Forms taken by add(): those with a linked headword like them.
    [[nodiscard]] int size() const { return int(m_forms.size()); }

    // One line per form that is no entry itself (letter case ignored) and has a written base,
    // sorted like the dictionary. A one-word headword written with "!" or "?" is also given as a
    // form of itself without them ("hallo" for "Hallo!", "ojo" for "¡Ojo!"), unless that is an
    // entry.
    [[nodiscard]] std::vector<Line> lines(const std::vector<ImportEntry> &written) const;

    // A linked headword as a base: itself when it is one word, the bare verb of a phrase such as
    // "jdn. an etw. erinnern"; empty for any other phrase and for a truncated headword ("Binde…").
    [[nodiscard]] static QString candidateOf(const QString &link);
    // Letters compared when a form is matched with its base: case folded, umlauts and accents
    // on their base letter, ß as ss.
    [[nodiscard]] static QString folded(const QString &text);
    // How many letters of the base the form begins with, one "ge" in the form skipped.
    [[nodiscard]] static int stemLength(const QString &foldedForm, const QString &foldedBase);

private:
    struct Form
    {
        QString text;
        bool plural = false;
        std::vector<QStringList> articles; // candidate bases per article, each once
    };
    std::vector<Form> m_forms{};
};
