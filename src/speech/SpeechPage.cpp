#include "speech/SpeechPage.h"

#include "speech/SpeechEngine.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gumbo.h>

#include <vector>

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

// gumbo's work grows with the square of the nesting depth, and its tree is freed recursively:
// a page with more tags than this is no speech page of ours (those hold a few dozen).
constexpr qsizetype kMaxPageTags = 1024;

const GumboNode *child(const GumboNode *node, unsigned i)
{
    return static_cast<const GumboNode *>(node->v.element.children.data[i]);
}

// Pushes the children so that they pop in document order.
void pushChildren(std::vector<const GumboNode *> &stack, const GumboNode *node)
{
    if (node->type != GUMBO_NODE_ELEMENT)
        return;
    for (unsigned i = node->v.element.children.length; i > 0; --i)
        stack.push_back(child(node, i - 1));
}

// Nesting is as deep as the page makes it, so the walks below keep their own stack.
QString textOf(const GumboNode *node)
{
    QString text;
    std::vector<const GumboNode *> stack{node};
    while (!stack.empty()) {
        const GumboNode *n = stack.back();
        stack.pop_back();
        if (n->type == GUMBO_NODE_TEXT || n->type == GUMBO_NODE_WHITESPACE)
            text += QString::fromUtf8(n->v.text.text);
        else
            pushChildren(stack, n);
    }
    return text;
}

const GumboNode *findFirstForm(const GumboNode *root)
{
    std::vector<const GumboNode *> stack{root};
    while (!stack.empty()) {
        const GumboNode *node = stack.back();
        stack.pop_back();
        if (node->type != GUMBO_NODE_ELEMENT)
            continue;
        if (node->v.element.tag == GUMBO_TAG_FORM)
            return node;
        pushChildren(stack, node);
    }
    return nullptr;
}

void collectNamed(const GumboNode *form, QVector<SpeechPage::Element> &out)
{
    std::vector<const GumboNode *> stack;
    pushChildren(stack, form);
    while (!stack.empty()) {
        const GumboNode *node = stack.back();
        stack.pop_back();
        if (node->type != GUMBO_NODE_ELEMENT)
            continue;
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
        pushChildren(stack, node);
    }
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
    if (html.count('<') > kMaxPageTags)
        return elements;
    GumboOutput *output = gumbo_parse_with_options(&kGumboDefaultOptions, html.constData(), size_t(html.size()));
    if (!output)
        return elements;
    if (const GumboNode *form = findFirstForm(output->root))
        collectNamed(form, elements);
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
