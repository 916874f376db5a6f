#include "window/resources/WindowColours.h"

#include <QGuiApplication>
#include <QPointer>
#include <QWidget>

#include "layout/DiagramPainter.h"

bool WindowColours::IsDark(const QPalette& palette) {
    return palette.color(QPalette::Active, QPalette::Window).lightness() < 128;
}

WindowColours WindowColours::Light(const QPalette& palette) {
    WindowColours c;
    c.dark = false;
    c.tapeGround = QColor(254, 255, 227);
    c.tapeLine = QColor(0, 0, 0);
    c.tapeInk = QColor(0, 0, 0);
    c.selectedUsedGround = QColor(0, 255, 255);
    c.selectedEmptyGround = QColor(0, 0, 128);
    c.rulerGround = palette.color(QPalette::Active, QPalette::Window);
    c.rulerInk = QColor(0, 0, 255);
    c.cellGround = QColor(255, 255, 255);
    c.cellInk = QColor(0, 0, 0);
    c.runningGround = QColor(0, 255, 0);
    c.errorInk = QColor(255, 0, 0);
    c.gridLine = QColor(192, 192, 192);
    c.fixedInk = QColor(0, 0, 0);
    c.fixedLight = QColor(255, 255, 255);
    c.focusFrame = QColor(0, 0, 0);
    c.failureFrame = QColor(0xd0, 0x10, 0x10);
    c.chooserInk = QColor(0, 0, 128);
    c.moveArrow = QColor(0, 0, 255);
    c.stopDisc = QColor(220, 0, 0);
    c.stopBar = QColor(255, 255, 255);
    c.toolFace = QColor(192, 192, 192);
    c.toolLight = QColor(255, 255, 255);
    c.toolShadow = QColor(128, 128, 128);
    c.toolInk = QColor(0, 0, 0);
    c.statusGround = palette.color(QPalette::Active, QPalette::Window);
    c.statusInk = palette.color(QPalette::Active, QPalette::WindowText);
    c.messageInk = QColor(0, 0, 0);
    // The diagram in the light colours it has on paper.
    const DiagramInks paper = DiagramInks::Light();
    c.diagramGround = paper.ground;
    c.diagramInk = paper.ink;
    c.diagramError = paper.error;
    c.diagramCurrent = paper.current;
    c.diagramTaken = paper.taken;
    return c;
}

WindowColours WindowColours::Dark(const QPalette& palette) {
    // The same roles as the light set, the grounds dark and the inks light
    // enough to read on them (a contrast of at least 4.5 : 1).
    WindowColours c;
    c.dark = true;
    c.tapeGround = QColor(0x2b, 0x2b, 0x24);
    c.tapeLine = QColor(0xb8, 0xb8, 0xa8);
    c.tapeInk = QColor(0xf2, 0xf2, 0xe4);
    c.selectedUsedGround = QColor(0x00, 0x5f, 0x6b);
    c.selectedEmptyGround = QColor(0x2d, 0x4f, 0x9e);
    c.rulerGround = palette.color(QPalette::Active, QPalette::Window);
    c.rulerInk = QColor(0x8c, 0xb8, 0xff);
    c.cellGround = QColor(0x1e, 0x1e, 0x1e);
    c.cellInk = QColor(0xe8, 0xe8, 0xe8);
    c.runningGround = QColor(0x1d, 0x5e, 0x24);
    c.errorInk = QColor(0xff, 0x78, 0x78);
    c.gridLine = QColor(0x50, 0x50, 0x50);
    c.fixedInk = palette.color(QPalette::Active, QPalette::ButtonText);
    c.fixedLight = palette.color(QPalette::Active, QPalette::Light);
    c.focusFrame = QColor(0xe8, 0xe8, 0xe8);
    c.failureFrame = QColor(0xff, 0x5a, 0x5a);
    c.chooserInk = QColor(0x8c, 0xb8, 0xff);
    c.moveArrow = QColor(0x6c, 0x9c, 0xff);
    c.stopDisc = QColor(0xe0, 0x40, 0x40);
    c.stopBar = QColor(0xf0, 0xf0, 0xf0);
    c.toolFace = QColor(0x3c, 0x3f, 0x41);
    c.toolLight = QColor(0x62, 0x66, 0x69);
    c.toolShadow = QColor(0x1c, 0x1d, 0x1e);
    c.toolInk = QColor(0xe8, 0xe8, 0xe8);
    c.statusGround = palette.color(QPalette::Active, QPalette::Window);
    c.statusInk = palette.color(QPalette::Active, QPalette::WindowText);
    c.messageInk = palette.color(QPalette::Active, QPalette::WindowText);
    c.diagramGround = QColor(0x1e, 0x1e, 0x1e);
    c.diagramInk = QColor(0xe0, 0xe0, 0xe0);
    c.diagramError = QColor(0xff, 0x78, 0x78);
    c.diagramCurrent = QColor(0x6b, 0x55, 0x10);
    c.diagramTaken = QColor(0xff, 0xa0, 0x50);
    return c;
}

WindowColours WindowColours::For(const QPalette& palette) {
    return IsDark(palette) ? Dark(palette) : Light(palette);
}

namespace {

QPointer<const QWidget>& Followed() {
    static QPointer<const QWidget> widget;
    return widget;
}

}  // namespace

void WindowColours::Follow(const QWidget* widget) {
    Followed() = widget;
}

const WindowColours& WindowColours::Current() {
    // Set apart by the palette's cache key: equal palettes share a key, and
    // every change of the application palette makes a new one.
    static qint64 chosenFor = -1;
    static WindowColours chosen;
    const QPalette palette = Followed() ? Followed()->palette() : QGuiApplication::palette();
    if (palette.cacheKey() != chosenFor) {
        chosen = For(palette);
        chosenFor = palette.cacheKey();
    }
    return chosen;
}
