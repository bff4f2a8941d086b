// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QEvent>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <type_traits>

namespace tikkro::widgets {

// One window of the program that is loaded on first use, shown modeless,
// brought to the front when shown again, and unloaded (state discarded) by
// its close button or by unload(). Unloading a window that is not loaded does
// nothing.
template <typename Window> class LazyWindow
{
public:
    using Factory = std::function<Window*()>;

    explicit LazyWindow(Factory factory) : m_factory(std::move(factory)) {}
    LazyWindow(const LazyWindow&) = delete;
    LazyWindow& operator=(const LazyWindow&) = delete;
    ~LazyWindow() { unload(); }

    bool isLoaded() const { return !m_window.isNull(); }
    Window* loaded() const { return m_window.data(); }

    // Loads the window if needed and returns it without showing it.
    Window* load()
    {
        if (m_window.isNull()) {
            Window* window = m_factory();
            window->setAttribute(Qt::WA_DeleteOnClose);
            window->installEventFilter(new CloseWatcher(window, [this] { m_window.clear(); }));
            if constexpr (std::is_base_of_v<QDialog, Window>) {
                // Esc and reject() only hide a dialog; a window here is
                // unloaded whichever way it goes.
                QObject::connect(window, &QDialog::finished, window, [this, window] {
                    if (m_window == window) {
                        m_window.clear();
                    }
                    window->deleteLater();
                });
            }
            m_window = window;
        }
        return m_window.data();
    }

    Window* show()
    {
        Window* window = load();
        window->show();
        window->raise();
        window->activateWindow();
        return window;
    }

    // Brings the window to the front without taking the keyboard focus
    // from whatever application the user is typing in.
    Window* showWithoutActivating()
    {
        Window* window = load();
        window->setAttribute(Qt::WA_ShowWithoutActivating);
        if (window->isMinimized()) {
            window->showNormal();
        } else {
            window->show();
        }
        window->raise();
        return window;
    }

    void unload()
    {
        if (!m_window.isNull()) {
            m_window->close();
        }
    }

private:
    // Forgets the window as soon as it is closed, so that the next show
    // loads a fresh one even before Qt gets round to deleting the old one.
    class CloseWatcher : public QObject
    {
    public:
        CloseWatcher(QObject* parent, std::function<void()> onClose)
            : QObject(parent), m_onClose(std::move(onClose))
        {}

    protected:
        bool eventFilter(QObject* watched, QEvent* event) override
        {
            if (event->type() == QEvent::Close && watched == parent()) {
                m_onClose();
            }
            return false;
        }

    private:
        std::function<void()> m_onClose;
    };

    Factory m_factory;
    QPointer<Window> m_window;
};

} // namespace tikkro::widgets
