// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/RemoteRequest.h"

#include <QObject>
#include <QTimer>

#include <functional>
#include <optional>

class QLocalSocket;

namespace tikkro::app {

// One connection to the single-instance socket, from its accept to its
// end. A connection closed without a word is a later start asking the
// running copy to come forward; one line holding a request is answered
// with what the handler says, as soon as there is one. Anything else, a
// line too long, or a client that stays silent too long, is cut off
// unanswered, and nothing happens.
class RequestConnection : public QObject
{
    Q_OBJECT
public:
    using Handler = std::function<QByteArray(const RemoteRequest&)>;

    // Longer than any honest client takes to write its one line.
    static constexpr int SilenceLimitMs = 2000;

    // Lives as the socket's child and deletes the socket when it closes.
    // The handler is read when the request is whole; while it is empty the
    // program is still starting, and the request waits for answer().
    RequestConnection(QLocalSocket& socket, const Handler& handler);

    // Answers a whole request that waits for the handler.
    void answer();

Q_SIGNALS:
    void comeForwardRequested();

private:
    void read();
    void drop();

    QLocalSocket& m_socket;
    const Handler& m_handler;
    QTimer m_silence;
    std::optional<RemoteRequest> m_request;
    bool m_heard = false;
};

} // namespace tikkro::app
