// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/RequestConnection.h"

#include <QLocalSocket>
#include <QTimer>

namespace tikkro::app {

RequestConnection::RequestConnection(QLocalSocket& socket, const Handler& handler)
    : QObject(&socket), m_socket(socket), m_handler(handler)
{
    // Nothing longer than a request is ever taken in.
    socket.setReadBufferSize(RemoteRequest::MaxSize);
    connect(&socket, &QLocalSocket::readyRead, this, &RequestConnection::read);
    connect(&socket, &QLocalSocket::disconnected, this, [this] {
        if (!m_heard && m_socket.bytesAvailable() == 0) {
            Q_EMIT comeForwardRequested();
        }
        m_socket.deleteLater();
    });
    m_silence.setSingleShot(true);
    connect(&m_silence, &QTimer::timeout, this, &RequestConnection::drop);
    m_silence.start(SilenceLimitMs);
    read();
}

void RequestConnection::read()
{
    if (m_socket.bytesAvailable() > 0) {
        m_heard = true;
    }
    if (!m_socket.canReadLine()) {
        if (m_socket.bytesAvailable() >= RemoteRequest::MaxSize) {
            drop();
        }
        return;
    }
    QByteArray line = m_socket.readLine(RemoteRequest::MaxSize + 1);
    line.chop(1);
    m_request = RemoteRequest::decode(line);
    if (!m_request || m_socket.bytesAvailable() > 0) {
        drop();
        return;
    }
    // A request that is whole waits for a program still starting.
    m_silence.stop();
    answer();
}

void RequestConnection::answer()
{
    if (m_request && m_handler) {
        m_socket.write(m_handler(*m_request));
        m_request.reset();
        m_socket.disconnectFromServer();
    }
}

void RequestConnection::drop()
{
    m_heard = true;
    m_request.reset();
    m_socket.abort();
}

} // namespace tikkro::app
