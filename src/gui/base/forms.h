#pragma once
// The window registry. Referring to a window loads it (its Form_Load runs) without showing it; Show loads
// it if needed; Unload destroys it, and the next reference loads it afresh in its design state. Windows
// never keep raw pointers to each other: they ask the registry.
#include "core/platform/platform.h"

#include <QPointer>
#include <QWidget>

#include <typeindex>
#include <unordered_map>

namespace tvx {

class VbForm : public QWidget {
    Q_OBJECT
public:
    explicit VbForm(QWidget* parent = nullptr);
    ~VbForm() override;
    virtual void Form_Load() {}
    // Called when the user closes the window; the default unloads it.
    virtual void Form_QueryClose();
    // Shows the window, or brings it back when it is open: restored if minimised, raised and active.
    void Show();
    void Hide() { hide(); }
    void Unload();

protected:
    Platform& platform() const;
    // Fixed client area in twips, centred on the screen.
    void setClientTwips(int width, int height);
    // The fixed tool-window border: a title and a close button, no minimise or maximise button.
    void setToolWindowBorder();
    void closeEvent(QCloseEvent* event) override;
};

class Forms {
public:
    static void install(const Platform& platform);
    static Platform& platform();

    template <class T> static T& get() {
        const std::type_index key(typeid(T));
        auto it = forms().find(key);
        if (it != forms().end() && it->second)
            return static_cast<T&>(*it->second);
        auto* form = new T();
        forms()[key] = form;
        form->Form_Load();
        return *form;
    }
    template <class T> static bool isLoaded() {
        auto it = forms().find(std::type_index(typeid(T)));
        return it != forms().end() && it->second;
    }
    // The loaded window, or null; never loads.
    template <class T> static T* ifLoaded() {
        auto it = forms().find(std::type_index(typeid(T)));
        return it != forms().end() ? static_cast<T*>(it->second.data()) : nullptr;
    }
    template <class T> static void show() { get<T>().Show(); }
    template <class T> static void unload() {
        if (T* f = ifLoaded<T>())
            f->Unload();
    }
    static void unloadForm(VbForm* form);
    // Destroys every window at once (the program's end, and between tests).
    static void unloadAll();

private:
    static std::unordered_map<std::type_index, QPointer<VbForm>>& forms();
};

} // namespace tvx

namespace tvx {

// Runs one statement of a handler that skips failing statements and goes on with the next one.
template <class F> void resumeNext(F&& step) {
    try {
        step();
    } catch (const PlatformError&) {
    }
}

} // namespace tvx
