#include "shell/FormRegistry.h"

#include "core/Pause.h"
#include "shell/AccessibleNames.h"
#include "shell/ControlAccessibility.h"
#include "shell/KeyPreview.h"
#include "shell/PlainToolTips.h"

#include <QCoreApplication>
#include <QTimer>

FormRegistry &FormRegistry::instance()
{
    // Owned by the application object, so it goes with it and never outlives Qt.
    static FormRegistry *registry = new FormRegistry(QCoreApplication::instance());
    return *registry;
}

FormRegistry::FormRegistry(QObject *parent) : QObject(parent), m_quit([] { QCoreApplication::quit(); })
{
    if (auto *app = QCoreApplication::instance()) {
        app->installEventFilter(new KeyPreview(this));
        app->installEventFilter(new PlainToolTips(this));
        ControlAccessibility::install();
    }
}

void FormRegistry::registerWindow(const QString &name, Factory factory)
{
    m_factories.insert(name, std::move(factory));
}

bool FormRegistry::isRegistered(const QString &name) const
{
    return m_factories.contains(name);
}

QStringList FormRegistry::registeredNames() const
{
    QStringList names = m_factories.keys();
    names.sort();
    return names;
}

Form *FormRegistry::find(const QString &name) const
{
    for (const auto &[loadedName, form] : m_loaded)
        if (loadedName == name && form)
            return form;
    return nullptr;
}

Form *FormRegistry::load(const QString &name)
{
    if (Form *existing = find(name))
        return existing;
    if (m_ended)
        return nullptr;
    const auto factory = m_factories.constFind(name);
    if (factory == m_factories.cend())
        return nullptr;
    Form *window = (*factory)();
    window->setObjectName(name);
    // Known before its load step runs, which may refer to it again.
    m_loaded.emplace_back(name, window);
    window->load();
    AccessibleNames::give(*window);
    ControlAccessibility::prepare(*window);
    emit windowLoaded(window);
    return window;
}

void FormRegistry::forget(Form *form)
{
    std::erase_if(m_loaded, [form](const auto &entry) { return entry.second == form || !entry.second; });
}

bool FormRegistry::unload(Form *form, int unloadMode)
{
    if (!form || form->m_unloaded)
        return true;
    if (!form->queryUnload(unloadMode))
        return false;
    form->m_unloaded = true;
    forget(form);
    form->unloadStep();
    form->hide();
    bury(form);
    return true;
}

bool FormRegistry::unload(const QString &name)
{
    Form *loaded = find(name);
    return !loaded || unload(loaded, Form::FromCode);
}

QList<Form *> FormRegistry::loadedWindows() const
{
    QList<Form *> windows;
    for (const auto &[name, form] : m_loaded)
        if (form)
            windows.append(form);
    return windows;
}

void FormRegistry::endProgram()
{
    if (!m_ended) {
        for (const auto &[name, form] : m_loaded)
            if (form && !form->m_unloaded)
                form->programEnds();
    }
    const auto loaded = std::move(m_loaded);
    m_loaded.clear();
    const bool first = !m_ended;
    m_ended = true;
    for (const auto &[name, form] : loaded) {
        if (!form || form->m_unloaded)
            continue;
        form->m_unloaded = true;
        form->hide();
        bury(form);
    }
    if (first && m_quit)
        m_quit();
}

void FormRegistry::shutdown()
{
    m_ended = true;
    auto loaded = std::move(m_loaded);
    m_loaded.clear();
    for (auto it = loaded.rbegin(); it != loaded.rend(); ++it)
        m_graveyard.push_back(it->second);
    auto graves = std::move(m_graveyard);
    m_graveyard.clear();
    for (auto &form : graves) {
        if (form)
            form->m_unloaded = true;
        delete form.data();
    }
}

QWidget *FormRegistry::anchor() const
{
    return m_anchor.isEmpty() ? nullptr : find(m_anchor);
}

bool FormRegistry::handleSharedKey(Form &window, int key)
{
    Form::SharedKey which = Form::NoSharedKeys;
    switch (key) {
    case Qt::Key_F1:
        which = Form::HelpKey;
        break;
    case Qt::Key_F2:
        which = Form::ReadKey;
        break;
    case Qt::Key_F3:
        which = Form::StopKey;
        break;
    default:
        return false;
    }
    if (!window.sharedKeys().testFlag(which) || !m_sharedKeys)
        return false;
    return m_sharedKeys(window, key);
}

void FormRegistry::setQuitHandler(std::function<void()> handler)
{
    m_quit = std::move(handler);
}

void FormRegistry::reset()
{
    shutdown();
    m_factories.clear();
    m_sharedKeys = {};
    m_anchor.clear();
    m_ended = false;
}

void FormRegistry::bury(Form *form)
{
    m_graveyard.emplace_back(form);
    if (!m_reapScheduled) {
        m_reapScheduled = true;
        QTimer::singleShot(0, this, &FormRegistry::reap);
    }
}

void FormRegistry::reap()
{
    // A handler of a buried window may still wait in a nested loop; try again once it returned.
    if (NestedLoopGuard::depth() > 0) {
        QTimer::singleShot(10, this, &FormRegistry::reap);
        return;
    }
    m_reapScheduled = false;
    auto graves = std::move(m_graveyard);
    m_graveyard.clear();
    for (auto &form : graves)
        delete form.data();
}
