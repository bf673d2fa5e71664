#pragma once

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>
#include <utility>

// Hands the next modal dialog to respond once it is open, from inside its own
// event loop; respond must close it. Gives up after about two seconds. The
// returned poll may be deleted to stop waiting for a dialog that did not come.
inline QPointer<QTimer> WhenModalOpens(std::function<void(QWidget&)> respond) {
    auto* poll = new QTimer;
    auto tries = std::make_shared<int>(0);
    QObject::connect(poll, &QTimer::timeout, [poll, tries, respond = std::move(respond)] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr && ++*tries < 200) {
            return;
        }
        poll->stop();
        poll->deleteLater();
        if (modal != nullptr) {
            respond(*modal);
        }
    });
    poll->start(10);
    return poll;
}
