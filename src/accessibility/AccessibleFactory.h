// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QAccessibleInterface;
class QObject;
class QString;

namespace tikkro::accessibility {

// Tells Qt how assistive technology sees the controls that draw themselves:
// spin arrows, display fields and plain pictures. Each such
// control installs it when it is made; installing again does nothing.
class AccessibleFactory
{
public:
    static void install();

private:
    static QAccessibleInterface* create(const QString& className, QObject* object);
};

} // namespace tikkro::accessibility
