// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QEvent>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <type_traits>

namespace tikkro::ui {

// One window of the program that is loaded on first use, shown modeless,
// brought to the front when shown again, and unloaded (state discarded) by
// its close box or by unload(). Unloading a window that is not loaded does
// nothing.
template <typename Form> class FormSlot
{
public:
    using Factory = std::function<Form*()>;

    explicit FormSlot(Factory factory) : m_factory(std::move(factory)) {}
    FormSlot(const FormSlot&) = delete;
    FormSlot& operator=(const FormSlot&) = delete;
    ~FormSlot() { unload(); }

    bool isLoaded() const { return !m_form.isNull(); }
    Form* form() const { return m_form.data(); }

    // Loads the window if needed and returns it without showing it.
    Form* load()
    {
        if (m_form.isNull()) {
            Form* form = m_factory();
            form->setAttribute(Qt::WA_DeleteOnClose);
            form->installEventFilter(new CloseWatcher(form, [this] { m_form.clear(); }));
            if constexpr (std::is_base_of_v<QDialog, Form>) {
                // Esc and reject() only hide a dialog; a window here is
                // unloaded whichever way it goes.
                QObject::connect(form, &QDialog::finished, form, [this, form] {
                    if (m_form == form) {
                        m_form.clear();
                    }
                    form->deleteLater();
                });
            }
            m_form = form;
        }
        return m_form.data();
    }

    Form* show()
    {
        Form* form = load();
        form->show();
        form->raise();
        form->activateWindow();
        return form;
    }

    void unload()
    {
        if (!m_form.isNull()) {
            m_form->close();
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
    QPointer<Form> m_form;
};

} // namespace tikkro::ui
