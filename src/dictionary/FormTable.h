#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <cstdint>
#include <limits>
#include <memory>
#include <vector>

// A table of word forms: for each form the base forms it belongs to. One line per form, its
// bases after it, all separated by ";" ("Kinder;Kind", "casas;casa;casar"); UTF-8; lines end
// at LF or CR LF; empty lines and lines that begin with "#" say nothing. The import writes one
// beside each dictionary ("DeEn.forms" beside "DeEn.txt"); the irregular forms of a language are
// kept in the same form. The file is kept as it was read, with an index of its forms, so a
// large table costs little more memory than its size.
class FormTable
{
public:
    // Beyond these a file is no form table of ours: it is not loaded at all.
    static constexpr qint64 kMaxFileBytes = 16 * 1024 * 1024;
    // A longer line is skipped; the others count.
    static constexpr qsizetype kMaxLineBytes = 1024;
    // Bases of one form after these are not taken.
    static constexpr int kMaxBases = 8;
    // For a line that is a list rather than a form: every field it holds.
    static constexpr int kAllBases = std::numeric_limits<int>::max();

    // "…/DeEn.forms" for "…/DeEn.txt".
    static QString pathBeside(const QString &dictionaryPath);
    // Null when the file is missing, no regular file, or larger than kMaxFileBytes.
    [[nodiscard]] static std::shared_ptr<const FormTable> load(const QString &path);
    [[nodiscard]] static FormTable parse(QByteArray bytes);

    // The bases of form, letter case ignored, in the order of the table; a form given on several
    // lines gets the bases of all of them, each once. Empty for a form the table does not hold.
    [[nodiscard]] QStringList bases(QStringView form, int limit = kMaxBases) const;
    // Forms the table holds (a form on several lines counts each time).
    [[nodiscard]] int size() const { return m_count; }

private:
    // Where the lines of a form are: an open-addressing table of line offsets + 1 (0: free),
    // placed by the hash of the folded form. Built in one pass; a form is looked up in about one
    // probe, since at most 60 % of the slots are taken.
    std::vector<std::uint32_t> m_slots{};
    QByteArray m_bytes{};
    int m_count = 0;
};

