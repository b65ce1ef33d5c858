#pragma once

#include <QWidget>

// What every window shares: a load step run on first reference, key preview, a close
// request that can be refused, and an unload after which the next reference loads afresh.
class Form : public QWidget
{
    Q_OBJECT
public:
    // Why a window is unloaded: by its close box, by code, or by the desktop session ending.
    enum UnloadMode { FromControlMenu = 0, FromCode = 1, FromSession = 2 };

    // The keys every window shares; the shell handles them before the window's own keyDown.
    enum SharedKey { NoSharedKeys = 0, HelpKey = 1, ReadKey = 2, StopKey = 4, AllSharedKeys = 7 };
    Q_DECLARE_FLAGS(SharedKeys, SharedKey)

    explicit Form(QWidget *parent = nullptr);
    ~Form() override;

    virtual void load() {}
    // Sees every key of the window before the focused control does; the key still reaches
    // the control afterwards.
    virtual void keyDown(int key) { Q_UNUSED(key); }
    virtual bool queryUnload(int unloadMode)
    {
        Q_UNUSED(unloadMode);
        return true;
    }
    virtual void unloadStep() {}
    // The program ends, whichever window ended it: last chance to keep what must not be lost.
    virtual void programEnds() {}
    // Which of F1 (help), F2 (read the help text) and F3 (stop) the shell handles here.
    virtual SharedKeys sharedKeys() const { return AllSharedKeys; }
    // A window that asks before the program goes on: screen readers read its texts when it opens.
    virtual bool isDialog() const { return false; }
    // Whether F2 empties the help text after reading it, or leaves it standing to be read again.
    virtual bool readKeyEmptiesHelpText() const { return true; }

    bool isUnloaded() const { return m_unloaded; }
    // Waits as pause() does. False when this window was unloaded during the wait: the
    // waiting handler must then stop.
    [[nodiscard]] bool pause(double seconds);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    friend class FormRegistry;
    bool m_unloaded = false;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(Form::SharedKeys)
