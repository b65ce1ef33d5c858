#include "dictionary/Stemmer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStringDecoder>
#include <QStringEncoder>

#include <hunspell.hxx>

#include <algorithm>
#include <chrono>
#include <mutex>
#include <optional>

namespace {

const QString kDefaultFolder = QStringLiteral("/usr/share/hunspell");
// hunspell looks at no more of a word.
constexpr qsizetype kMaxWordLength = 100;

QString &folderSetting()
{
    static QString folder = kDefaultFolder;
    return folder;
}

// hunspell keeps tables of its own that two dictionaries being read at once would both set up.
std::mutex &readingLock()
{
    static std::mutex lock;
    return lock;
}

} // namespace

struct Stemmer::Dictionary
{
    std::unique_ptr<Hunspell> hunspell;
    // The dictionary's own encoding (de_DE and es_ES are UTF-8, el_GR is ISO 8859-7).
    // Used by one thread at a time, each use starting afresh.
    mutable std::optional<QStringEncoder> encoder;
    mutable std::optional<QStringDecoder> decoder;
    bool utf8 = true;
};

QString Stemmer::folder()
{
    return folderSetting();
}

void Stemmer::setFolder(const QString &folder)
{
    folderSetting() = folder.isEmpty() ? kDefaultFolder : folder;
}

QString Stemmer::dictionaryFor(const QString &language)
{
    if (language.isEmpty() || !std::all_of(language.begin(), language.end(), [](QChar c) { return c.isLetter(); }))
        return {};
    // Debian names them by language and country: de_DE, es_ES, it_IT, el_GR; the country a
    // language is most at home in first, then any other.
    static const QHash<QString, QString> kHome{{QStringLiteral("de"), QStringLiteral("de_DE")},
                                               {QStringLiteral("es"), QStringLiteral("es_ES")},
                                               {QStringLiteral("it"), QStringLiteral("it_IT")},
                                               {QStringLiteral("el"), QStringLiteral("el_GR")},
                                               {QStringLiteral("en"), QStringLiteral("en_US")}};
    const QDir dir(folder());
    QStringList names{kHome.value(language, language + u'_' + language.toUpper())};
    for (const QString &aff : dir.entryList({language + QStringLiteral("_*.aff")}, QDir::Files, QDir::Name))
        names.append(aff.chopped(4));
    names.append(language);
    for (const QString &name : names) {
        const QString base = dir.filePath(name);
        if (QFileInfo(base + QStringLiteral(".aff")).isFile() && QFileInfo(base + QStringLiteral(".dic")).isFile())
            return base;
    }
    return {};
}

std::shared_ptr<Stemmer> Stemmer::start(const QString &language)
{
    const QString base = dictionaryFor(language);
    if (base.isEmpty())
        return nullptr;
    const QByteArray aff = QFile::encodeName(base + QStringLiteral(".aff"));
    const QByteArray dic = QFile::encodeName(base + QStringLiteral(".dic"));
    auto reading = std::async(std::launch::async, [aff, dic]() -> std::shared_ptr<Dictionary> {
        try {
            const std::lock_guard<std::mutex> lock(readingLock());
            auto dictionary = std::make_shared<Dictionary>();
            dictionary->hunspell = std::make_unique<Hunspell>(aff.constData(), dic.constData());
            const QByteArray encoding = QByteArray::fromStdString(dictionary->hunspell->get_dic_encoding());
            dictionary->utf8 = encoding.compare("UTF-8", Qt::CaseInsensitive) == 0;
            if (!dictionary->utf8) {
                dictionary->encoder.emplace(encoding.constData());
                dictionary->decoder.emplace(encoding.constData());
                if (!dictionary->encoder->isValid() || !dictionary->decoder->isValid())
                    return nullptr;
            }
            return dictionary;
        } catch (const std::exception &) {
            return nullptr;
        }
    });
    return std::shared_ptr<Stemmer>(new Stemmer(language, reading.share()));
}

Stemmer::Stemmer(QString language, std::shared_future<std::shared_ptr<Dictionary>> reading)
    : m_language(std::move(language)), m_reading(std::move(reading))
{}

Stemmer::~Stemmer() = default;

bool Stemmer::isReady() const
{
    return m_reading.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
}

bool Stemmer::waitUntilReady(int milliseconds) const
{
    return m_reading.wait_for(std::chrono::milliseconds(milliseconds)) == std::future_status::ready;
}

const Stemmer::Dictionary *Stemmer::dictionary() const
{
    return isReady() ? m_reading.get().get() : nullptr;
}

QStringList Stemmer::stems(QStringView word) const
{
    const Dictionary *d = dictionary();
    if (!d || word.isEmpty() || word.size() > kMaxWordLength)
        return {};
    std::string asked;
    if (d->utf8) {
        asked = word.toUtf8().toStdString();
    } else {
        QStringEncoder &encoder = *d->encoder;
        encoder.resetState();
        const QByteArray bytes = encoder.encode(word);
        if (encoder.hasError())
            return {};
        asked = bytes.toStdString();
    }
    QStringList result;
    for (const std::string &stem : d->hunspell->stem(asked)) {
        const QByteArrayView bytes(stem.data(), qsizetype(stem.size()));
        if (d->utf8) {
            result.append(QString::fromUtf8(bytes));
        } else {
            QStringDecoder &decoder = *d->decoder;
            decoder.resetState();
            result.append(decoder.decode(bytes));
        }
    }
    return result;
}
