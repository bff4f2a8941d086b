// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPoint>

#include <optional>

class QWidget;

namespace tikkro::ui {

// Where the main window opens and what of its place is kept: a saved
// position in twips when it still lies on a screen, otherwise the default
// place against the right edge of the primary screen.
class WindowPlacement : public QObject
{
    Q_OBJECT
public:
    static constexpr int DefaultTopTwips = 270;

    explicit WindowPlacement(QWidget& window);

    // Moves the window to a saved position. No saved left edge means the
    // default place; no saved top means the default top.
    void restore(std::optional<double> leftTwips, std::optional<double> topTwips);

    void placeAtDefault();

    // The window's present position, in twips, as it is to be saved.
    QPoint positionToSave() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void touchRightEdge();

    QWidget& m_window;
    bool m_atDefault = false;
};

} // namespace tikkro::ui
