#pragma once
// Answers a modal window from a GUI test. Arm it before the call that opens
// the window: a short repeating timer waits until a modal widget other than
// `besides` is visible and active, then hands it to `act` once and then to
// `finish`, which closes it. A failed check returns from `act` early;
// `finish` still runs, so a failure never leaves the window open. When no
// such window comes within `deadline`, the timer warns, stops and deletes
// itself: it never answers a window of a later test, and the test that
// waited fails on its own checks.

#include <QApplication>
#include <QDeadlineTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QtTest>
#include <chrono>
#include <functional>

inline void WhenModal(std::function<void(QWidget*)> act, std::function<void(QWidget*)> finish,
                      QWidget* besides = nullptr,
                      std::chrono::milliseconds deadline = std::chrono::seconds(20)) {
    auto* timer = new QTimer(qApp);
    timer->setObjectName(QStringLiteral("WhenModal"));
    timer->setInterval(10);
    QPointer<QWidget> skip(besides);
    const QDeadlineTimer until(deadline);
    QObject::connect(timer, &QTimer::timeout, [timer, act, finish, skip, until, deadline] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == skip || !modal->isVisible() || !modal->isActiveWindow()) {
            if (until.hasExpired()) {
                qWarning("WhenModal: no modal window came within %lld ms",
                         static_cast<long long>(deadline.count()));
                timer->stop();
                timer->deleteLater();
            }
            return;
        }
        timer->stop();
        timer->deleteLater();
        QPointer<QWidget> guard(modal);
        act(modal);
        if (guard && guard->isVisible())
            finish(modal);
    });
    timer->start();
}

// The usual `finish`: one key to the modal window.
inline std::function<void(QWidget*)> Press(Qt::Key key) {
    return [key](QWidget* modal) { QTest::keyClick(modal, key); };
}
