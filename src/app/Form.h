#pragma once

#include <QWidget>

// What every window shares: a load step run on first reference, key preview, a close
// request that can be refused, and an unload after which the next reference loads afresh.
class Form : public QWidget
{
    Q_OBJECT
public:
    // Why a window is unloaded: by its close box or by code.
    enum UnloadMode { FromControlMenu = 0, FromCode = 1 };

    explicit Form(QWidget *parent = nullptr);

    virtual void load() {}
    // Sees every key of the window before the focused control does; the key still reaches
    // the control afterwards.
    virtual void keyDown(int key) { Q_UNUSED(key); }
    virtual bool queryUnload(int unloadMode) { Q_UNUSED(unloadMode); return true; }
    virtual void unloadStep() {}

    bool isUnloaded() const { return m_unloaded; }
    // Waits as pause() does. False when this window was unloaded during the wait: the
    // waiting handler must then stop.
    bool pause(double seconds);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    friend class FormRegistry;
    bool m_unloaded = false;
};
