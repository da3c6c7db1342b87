// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

class QSocketNotifier;

// The system's requests to end the program: SIGTERM (the session ending, a shutdown), SIGHUP (the
// terminal it was started from closing) and SIGINT (Ctrl+C there). By default they would end the
// process on the spot, losing the playlist and the settings of the run; taken here, they end it
// as closing the window does. One object per program.
class EndRequests : public QObject {
    Q_OBJECT
public:
    // Takes the signals from now on; requests that come meanwhile are held.
    explicit EndRequests(QObject* parent = nullptr);
    ~EndRequests() override;

    // Passes on held and later requests as `requested`, from the event loop, so that a request
    // that comes while the program starts is carried out once it has started.
    void watch();

signals:
    void requested();

private:
    QSocketNotifier* notifier_ = nullptr;
};
