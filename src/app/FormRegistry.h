#pragma once

#include "app/Form.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <typeindex>
#include <unordered_map>
#include <vector>

// The loaded windows, one per window class. A window is created and loaded on first reference
// and deleted only when no handler can still be running on it.
class FormRegistry : public QObject
{
    Q_OBJECT
public:
    static FormRegistry &instance();

    Form *find(std::type_index type) const;
    void add(std::type_index type, Form *form);
    // Asks the window, runs its unload step, hides it and deletes it later. False when refused.
    bool unload(Form *form, int unloadMode);
    // Unloads every window at once, without asking, and leaves the event loop.
    void endProgram();
    bool programEnded() const { return m_ended; }

    // Tests answer the end of the program instead of quitting their own event loop.
    void setQuitHandler(std::function<void()> handler);
    // Tests: unload and delete every window now, forget a past end.
    void reset();

private:
    explicit FormRegistry(QObject *parent = nullptr);
    void bury(Form *form);
    void reap();

    std::unordered_map<std::type_index, QPointer<Form>> m_forms;
    std::vector<QPointer<Form>> m_graveyard;
    std::function<void()> m_quit;
    bool m_ended = false;
    bool m_reapScheduled = false;
};

template <class W>
W &form()
{
    FormRegistry &registry = FormRegistry::instance();
    if (Form *existing = registry.find(typeid(W)))
        return *static_cast<W *>(existing);
    auto *window = new W();
    registry.add(typeid(W), window);
    window->load();
    return *window;
}

template <class W>
bool isLoaded()
{
    return FormRegistry::instance().find(typeid(W)) != nullptr;
}

template <class W>
bool unload()
{
    Form *loaded = FormRegistry::instance().find(typeid(W));
    return !loaded || FormRegistry::instance().unload(loaded, Form::FromCode);
}

inline void endProgram()
{
    FormRegistry::instance().endProgram();
}
