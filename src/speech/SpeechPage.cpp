#include "speech/SpeechPage.h"

#include "speech/SpeechEngine.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gumbo.h>

namespace {
QString attribute(const GumboElement &element, const char *name)
{
    const GumboAttribute *a = gumbo_get_attribute(&element.attributes, name);
    return a ? QString::fromUtf8(a->value).trimmed() : QString();
}

SpeechPage::Action actionNamed(const QString &name)
{
    const QString n = name.toLower();
    if (n == QLatin1String("speak"))
        return SpeechPage::Action::Speak;
    if (n == QLatin1String("stop"))
        return SpeechPage::Action::Stop;
    if (n == QLatin1String("pause"))
        return SpeechPage::Action::Pause;
    if (n == QLatin1String("resume"))
        return SpeechPage::Action::Resume;
    if (n == QLatin1String("again"))
        return SpeechPage::Action::Again;
    return SpeechPage::Action::None;
}

QString textOf(const GumboNode *node)
{
    if (node->type == GUMBO_NODE_TEXT || node->type == GUMBO_NODE_WHITESPACE)
        return QString::fromUtf8(node->v.text.text);
    if (node->type != GUMBO_NODE_ELEMENT)
        return {};
    QString text;
    const GumboVector &children = node->v.element.children;
    for (unsigned i = 0; i < children.length; ++i)
        text += textOf(static_cast<const GumboNode *>(children.data[i]));
    return text;
}

const GumboNode *findFirstForm(const GumboNode *node)
{
    if (node->type != GUMBO_NODE_ELEMENT)
        return nullptr;
    if (node->v.element.tag == GUMBO_TAG_FORM)
        return node;
    const GumboVector &children = node->v.element.children;
    for (unsigned i = 0; i < children.length; ++i)
        if (const GumboNode *form = findFirstForm(static_cast<const GumboNode *>(children.data[i])))
            return form;
    return nullptr;
}

void collectNamed(const GumboNode *node, QVector<SpeechPage::Element> &out)
{
    if (node->type != GUMBO_NODE_ELEMENT)
        return;
    const GumboElement &element = node->v.element;
    const QString name = attribute(element, "name");
    if (!name.isEmpty()) {
        SpeechPage::Element e;
        e.name = name;
        e.caption = attribute(element, "value");
        if (e.caption.isEmpty())
            e.caption = textOf(node).simplified();
        if (e.caption.isEmpty())
            e.caption = name;
        e.action = actionNamed(attribute(element, "data-action"));
        e.file = attribute(element, "data-file");
        out.append(e);
    }
    for (unsigned i = 0; i < element.children.length; ++i)
        collectNamed(static_cast<const GumboNode *>(element.children.data[i]), out);
}
}

SpeechPage::SpeechPage(SpeechEngine *engine, QObject *parent) : QObject(parent), m_engine(engine) {}

bool SpeechPage::load(const QString &path)
{
    m_path = path;
    m_loaded = false;
    m_elements.clear();
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return false;
    m_elements = parseForm0(file.readAll());
    m_loaded = true;
    return true;
}

QVector<SpeechPage::Element> SpeechPage::parseForm0(const QByteArray &html)
{
    QVector<Element> elements;
    GumboOutput *output = gumbo_parse_with_options(&kGumboDefaultOptions, html.constData(), size_t(html.size()));
    if (!output)
        return elements;
    if (const GumboNode *form = findFirstForm(output->root)) {
        const GumboVector &children = form->v.element.children;
        for (unsigned i = 0; i < children.length; ++i)
            collectNamed(static_cast<const GumboNode *>(children.data[i]), elements);
    }
    gumbo_destroy_output(&kGumboDefaultOptions, output);
    return elements;
}

bool SpeechPage::click(const QString &name, const QString &language)
{
    if (!m_loaded)
        return false;
    const auto it =
        std::find_if(m_elements.cbegin(), m_elements.cend(), [&](const Element &e) { return e.name == name; });
    if (it == m_elements.cend())
        return false;
    emit clicked(name);
    if (!m_engine)
        return true;
    switch (it->action) {
    case Action::Speak:
        // The file lies beside the page; a name that leaves that folder is not followed. A
        // hand-off that cannot be read says nothing; the window that wrote it knows.
        if (!it->file.isEmpty() && !QDir::isAbsolutePath(it->file) && !it->file.contains(QLatin1String(".."))) {
            const bool read = m_engine->speakFile(QFileInfo(m_path).dir().filePath(it->file), language);
            Q_UNUSED(read);
        }
        return m_engine->canSpeak();
    case Action::Stop:
        m_engine->stop();
        break;
    case Action::Pause:
        m_engine->pause();
        break;
    case Action::Resume:
        m_engine->resume();
        break;
    case Action::Again:
        m_engine->again();
        return m_engine->canSpeak();
    case Action::None:
        break;
    }
    return true;
}
