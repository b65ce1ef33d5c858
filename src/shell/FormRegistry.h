#pragma once

#include "shell/Form.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <vector>

// The program's windows, known by name. A window is created and loaded on first reference
// and deleted only when no handler can still be running on it. The composition root
// registers every window; code that needs one by name (country files) loads it from here.
class FormRegistry : public QObject
{
    Q_OBJECT
public:
    using Factory = std::function<Form *()>;
    // Runs a shared key (F1, F2, F3) for a window; false when the key is none of them.
    using SharedKeyHandler = std::function<bool(Form &window, int key)>;

    static FormRegistry &instance();

    void registerWindow(const QString &name, Factory factory);
    bool isRegistered(const QString &name) const;
    QStringList registeredNames() const;

    // The loaded window of that name, or null; never loads.
    Form *find(const QString &name) const;
    // The window of that name, loaded (not shown) on first reference. Null for a name nobody
    // registered, and once the program has been told to end.
    Form *load(const QString &name);
    // Asks the window, runs its unload step, hides it and deletes it later. False when refused.
    bool unload(Form *form, int unloadMode);
    bool unload(const QString &name);
    // The windows loaded now, in the order they were loaded.
    QList<Form *> loadedWindows() const;

    // Unloads every window at once, without asking, and leaves the event loop. From then on
    // no window is loaded any more.
    void endProgram();
    bool programEnded() const { return m_ended; }
    // After the event loop: deletes every window now, the last loaded first.
    void shutdown();

    // The window other windows place themselves against (the main window); null while it
    // is not loaded.
    void setAnchorName(const QString &name) { m_anchor = name; }
    QWidget *anchor() const;

    void setSharedKeyHandler(SharedKeyHandler handler) { m_sharedKeys = std::move(handler); }
    // The key preview's first step: the keys every window shares, where the window takes them.
    bool handleSharedKey(Form &window, int key);

    // Tests answer the end of the program instead of quitting their own event loop.
    void setQuitHandler(std::function<void()> handler);
    // Tests: delete every window now, forget every registration and a past end.
    void reset();

signals:
    void windowLoaded(Form *window);

private:
    explicit FormRegistry(QObject *parent = nullptr);
    void forget(Form *form);
    void bury(Form *form);
    void reap();

    QHash<QString, Factory> m_factories;
    std::vector<std::pair<QString, QPointer<Form>>> m_loaded;
    std::vector<QPointer<Form>> m_graveyard;
    std::function<void()> m_quit;
    SharedKeyHandler m_sharedKeys;
    QString m_anchor;
    bool m_ended = false;
    bool m_reapScheduled = false;
};

// The window class W, by its name W::kName, loaded on first reference. Null when nobody
// registered it. Only the composition root knows window classes; everyone else goes by name.
template <class W>
W *form()
{
    return static_cast<W *>(FormRegistry::instance().load(QLatin1String(W::kName)));
}

template <class W>
bool isLoaded()
{
    return FormRegistry::instance().find(QLatin1String(W::kName)) != nullptr;
}

template <class W>
bool unload()
{
    return FormRegistry::instance().unload(QLatin1String(W::kName));
}

inline void endProgram()
{
    FormRegistry::instance().endProgram();
}
