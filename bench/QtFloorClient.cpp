// SPDX-License-Identifier: GPL-3.0-or-later
// The least a Qt Widgets program does to show a running hh:mm:ss.ff: a
// window of the given size whose text box is repainted every interval, read
// afresh from a monotonic clock and drawn with QPainter::drawText, the way
// most Qt programs draw a changing label. scripts/bench-display-cpu.sh
// measures Tikkro's display against it and against bench/FloorClient.c.
//
//   QtFloorClient WIDTH HEIGHT [INTERVAL_MS]
#include <QApplication>
#include <QElapsedTimer>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <QWidget>

namespace {

class Clock final : public QWidget
{
public:
    explicit Clock(int interval)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setWindowTitle(QStringLiteral("QtFloorClient"));
        m_clock.start();
        m_timer.setTimerType(Qt::PreciseTimer);
        connect(&m_timer, &QTimer::timeout, this, [this] { repaint(m_box); });
        m_timer.start(interval);
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        const qint64 ms = m_clock.elapsed();
        QPainter painter(this);
        painter.fillRect(event->rect(), palette().color(QPalette::Window));
        painter.drawText(m_box, Qt::AlignCenter,
                         QStringLiteral("%1:%2:%3.%4")
                             .arg(ms / 3'600'000, 2, 10, QLatin1Char('0'))
                             .arg(ms / 60'000 % 60, 2, 10, QLatin1Char('0'))
                             .arg(ms / 1'000 % 60, 2, 10, QLatin1Char('0'))
                             .arg(ms % 1'000 / 10, 2, 10, QLatin1Char('0')));
    }

private:
    // The text's box, as in bench/FloorClient.c.
    const QRect m_box{8, 24, 117, 20};
    QTimer m_timer;
    QElapsedTimer m_clock;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    if (argc < 3) {
        qCritical("usage: %s WIDTH HEIGHT [INTERVAL_MS]", argv[0]);
        return 2;
    }
    Clock clock(argc > 3 ? QByteArray(argv[3]).toInt() : 15);
    clock.resize(QByteArray(argv[1]).toInt(), QByteArray(argv[2]).toInt());
    clock.show();
    return QApplication::exec();
}
