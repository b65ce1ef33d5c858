#include "HeadLineParser.h"

#include "DictdMarkup.h"

#include <QStringList>

#include <algorithm>
#include <utility>

namespace {

enum class TokenKind { Text, Pronunciation, Grammar, Variant };

struct Token
{
    TokenKind kind = TokenKind::Text;
    QString text;
    std::vector<HeadForm> variantForms; // a parenthesised form of its own, e.g. "(Abf. /ˈapf/)"
};

std::vector<HeadForm> formsFrom(const std::vector<Token> &tokens, bool *barPairs);

// A group nested deeper than this is kept as text; head lines nest two at most, and each
// level is parsed by a call of its own.
constexpr int MaxNesting = 4;

// For each "(" the index of the ")" that closes it, or -1; one pass, so that a line of
// unclosed "(" is not scanned again from each of them.
std::vector<qsizetype> matchingParentheses(QStringView text)
{
    std::vector<qsizetype> closing(size_t(text.size()), -1);
    std::vector<qsizetype> open;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'(') {
            open.push_back(i);
        } else if (text[i] == u')' && !open.empty()) {
            closing[size_t(open.back())] = i;
            open.pop_back();
        }
    }
    return closing;
}

std::vector<Token> tokenize(QStringView line, int depth = 0)
{
    std::vector<Token> tokens;
    QString text;
    const auto flushText = [&] {
        if (!text.isEmpty())
            tokens.push_back({TokenKind::Text, std::exchange(text, QString()), {}});
    };
    const std::vector<qsizetype> closing = matchingParentheses(line);
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (c == u'/') {
            const qsizetype end = DictdMarkup::pronunciationEnd(line, i);
            if (end > 0) {
                flushText();
                tokens.push_back({TokenKind::Pronunciation, line.mid(i + 1, end - i - 1).toString(), {}});
                i = end;
                continue;
            }
        } else if (c == u'<') {
            const qsizetype end = DictdMarkup::grammarEnd(line, i);
            if (end > 0) {
                flushText();
                tokens.push_back({TokenKind::Grammar, line.mid(i + 1, end - i - 1).trimmed().toString(), {}});
                i = end;
                continue;
            }
        } else if (c == u'(') {
            const qsizetype end = closing[size_t(i)];
            if (end > 0 && depth >= MaxNesting) {
                text += line.mid(i, end - i + 1);
                i = end;
                continue;
            }
            if (end > 0) {
                const QStringView inner = line.mid(i + 1, end - i - 1);
                const std::vector<Token> innerTokens = tokenize(inner, depth + 1);
                const bool isForm = std::any_of(innerTokens.begin(), innerTokens.end(),
                                                [](const Token &t) { return t.kind != TokenKind::Text; });
                if (isForm) {
                    flushText();
                    bool ignored = false;
                    tokens.push_back({TokenKind::Variant, QString(), formsFrom(innerTokens, &ignored)});
                } else {
                    text += line.mid(i, end - i + 1);
                }
                i = end;
                continue;
            }
        }
        text += c;
    }
    flushText();
    return tokens;
}

bool isSingleWord(QStringView part)
{
    return !part.isEmpty() && part.front().isLetter()
           && std::none_of(part.begin(), part.end(), [](QChar c) { return c.isSpace(); });
}

// "peón, (ajedrez)": the parenthesised tail qualifies the word, it is not part of it.
QString withoutTrailingQualifier(const QString &text)
{
    if (!text.endsWith(u')'))
        return text;
    const qsizetype at = text.lastIndexOf(u", (");
    if (at > 0 && text.indexOf(u')', at) == text.size() - 1)
        return text.left(at).trimmed();
    return text;
}

// Appends `form`, split into one form per word where it lists inflected forms with one
// pronunciation each ("abatido, abatida /../ /../") or pairs them with bars ("modisto, | modista").
void appendForm(std::vector<HeadForm> &forms, HeadForm form, bool *barPairs)
{
    form.text = withoutTrailingQualifier(DictdMarkup::withoutLeadingLabels(form.text).toString().simplified());
    if (form.text.isEmpty())
        return;
    const bool hasBar = form.text.contains(u'|');
    QStringList parts = form.text.split(QStringLiteral(", "));
    for (QString &part : parts)
        part = part.remove(u'|').trimmed();
    const bool splits = parts.size() > 1 && std::all_of(parts.begin(), parts.end(), isSingleWord)
                        && (hasBar || parts.size() == form.pronunciations.size());
    if (!splits) {
        form.text = form.text.remove(u'|').simplified();
        forms.push_back(std::move(form));
        return;
    }
    *barPairs = *barPairs || hasBar;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        HeadForm single;
        single.text = parts[i];
        if (i < form.pronunciations.size())
            single.pronunciations = QStringList{form.pronunciations[i]};
        single.grammar = form.grammar;
        forms.push_back(std::move(single));
    }
}

std::vector<HeadForm> formsFrom(const std::vector<Token> &tokens, bool *barPairs)
{
    std::vector<HeadForm> forms;
    HeadForm current;
    std::vector<HeadForm> variants;
    bool markupSeen = false; // the headword text ends at its first pronunciation or grammar
    const auto finish = [&] {
        if (DictdMarkup::withoutLeadingLabels(current.text).isEmpty()) {
            // "( [coloq.] minino /../ <n, m>), ( [coloq.] minina /../ <n, f>)": only variants
            for (HeadForm &variant : variants)
                forms.push_back(std::move(variant));
        } else {
            appendForm(forms, std::move(current), barPairs);
        }
        current = HeadForm();
        variants.clear();
        markupSeen = false;
    };
    for (const Token &token : tokens) {
        switch (token.kind) {
        case TokenKind::Text:
            if (!markupSeen) {
                current.text += token.text;
            } else {
                // After markup only ", next form" matters; other text there is a symbol or variant.
                const QStringView rest = QStringView(token.text).trimmed();
                if (rest.startsWith(u',')) {
                    finish();
                    current.text = rest.mid(1).toString();
                }
            }
            break;
        case TokenKind::Pronunciation:
            current.pronunciations.append(token.text);
            markupSeen = true;
            break;
        case TokenKind::Grammar:
            current.grammar.append(token.text);
            markupSeen = true;
            break;
        case TokenKind::Variant:
            variants.insert(variants.end(), token.variantForms.begin(), token.variantForms.end());
            markupSeen = true;
            break;
        }
    }
    finish();
    // "alear /../, aletear /../ <v>": the grammar written last applies to all forms.
    QStringList shared;
    for (auto it = forms.rbegin(); it != forms.rend() && shared.isEmpty(); ++it)
        shared = it->grammar;
    for (HeadForm &form : forms) {
        if (form.grammar.isEmpty())
            form.grammar = shared;
    }
    return forms;
}

} // namespace

HeadLine HeadLineParser::parse(QStringView line)
{
    HeadLine head;
    head.forms = formsFrom(tokenize(line), &head.barPairs);
    return head;
}
