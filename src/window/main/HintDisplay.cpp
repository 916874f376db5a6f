#include "window/main/HintDisplay.h"

#include <QStatusTipEvent>
#include <QWidget>

#include "core/workbench/Workbench.h"

HintDisplay::HintDisplay(Workbench& bench, QWidget* window)
    : QObject(window), bench_(bench), window_(window) {
    window->installEventFilter(this);
}

QString HintDisplay::ShortHint(const QString& hint) {
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.left(bar);
}

QString HintDisplay::LongHint(const QString& hint) {
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.mid(bar + 1);
}

QString HintDisplay::StatusText(const QString& hint) {
    QString text = LongHint(hint);
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return QStringLiteral("  ") + text;
}

bool HintDisplay::eventFilter(QObject* watched, QEvent* event) {
    // Tips propagate from the control up to its window, so the window sees
    // every tip of its own controls. An empty tip (the pointer left a
    // control, a menu closed) is a change of hint too and empties the text.
    if (watched == window_ && event->type() == QEvent::StatusTip) {
        bench_.SetStatusText(Workbench::PanelMessage,
                             StatusText(static_cast<QStatusTipEvent*>(event)->tip()));
        return true;
    }
    return QObject::eventFilter(watched, event);
}
