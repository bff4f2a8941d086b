// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessibility/AccessibleFactory.h"

#include "accessibility/DisplayFieldAccessible.h"
#include "widgets/DisplayField.h"
#include "widgets/ImageWidget.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace tikkro::accessibility {

void AccessibleFactory::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(&AccessibleFactory::create);
        return true;
    }();
    Q_UNUSED(installed);
}

QAccessibleInterface* AccessibleFactory::create(const QString& className, QObject* object)
{
    // Qt asks once per class up the object's inheritance; the most derived
    // class comes first, and only that one is answered here.
    if (object == nullptr || className != QLatin1String(object->metaObject()->className())) {
        return nullptr;
    }
    if (auto* field = qobject_cast<widgets::DisplayField*>(object)) {
        return new DisplayFieldAccessible(field);
    }
    if (auto* image = qobject_cast<widgets::ImageWidget*>(object)) {
        return new QAccessibleWidget(image, QAccessible::Graphic);
    }
    return nullptr;
}

} // namespace tikkro::accessibility
