#include "window/main/MainToolBar.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QMenu>
#include <QPainter>
#include <QStatusTipEvent>
#include <algorithm>

#include "core/text/Language.h"
#include "window/main/Bevel.h"
#include "window/main/HintDisplay.h"
#include "window/main/MainMenu.h"
#include "window/main/ToolButton.h"
#include "window/resources/WindowColours.h"

namespace {

constexpr int kButtonTop = 4;
constexpr int kButtonHeight = 22;
constexpr int kFirstLeft = 8;
constexpr int kGroupGap = 15;     // from a group's right edge to the next group
constexpr int kSeparatorGap = 6;  // from a group's right edge to its separator
constexpr int kSeparatorTop = 3;

int ButtonWidth(int n) {
    return n == MainToolBar::ChangeButton ? 12 : 24;
}

// Groups of places from left to right; two buttons may share a place (10
// on the Post machine, 11 on the Turing machine). Each group ends with its
// separator, numbered as the separators are named.
struct Place {
    int button;
    int sharedWith;
};
struct Group {
    std::array<Place, 4> places;
    int count;
    int separator;
};
constexpr std::array<Group, 4> kGroups = {{
    {{{{1, 0}, {2, 0}, {3, 0}}}, 3, 1},
    {{{{4, 0}, {5, 0}}}, 2, 2},
    {{{{6, 0}, {7, 0}, {8, 0}, {9, 0}}}, 4, 4},
    {{{{10, 11}, {12, 0}}}, 2, 3},
}};

// The menu item each place shows, left to right.
constexpr std::array<QAction * MainMenu::*, MainToolBar::ButtonCount> kActions = {
    &MainMenu::newAction,          &MainMenu::openAction,        &MainMenu::saveAction,
    &MainMenu::memoriseTapeAction, &MainMenu::restoreTapeAction, &MainMenu::runAction,
    &MainMenu::pauseAction,        &MainMenu::stepAction,        &MainMenu::breakAction,
    &MainMenu::markAction,         &MainMenu::writeSymbolAction, &MainMenu::changeSymbolAction};

}  // namespace

QString MainToolBar::ShortName(int n) {
    // The mark, write-symbol and change-symbol names end with a space, as
    // their hints always have.
    static const std::array<const char*, ButtonCount + 1> kNames = {
        "",
        QT_TRANSLATE_NOOP("MainToolBar", "Новый"),
        QT_TRANSLATE_NOOP("MainToolBar", "Открыть"),
        QT_TRANSLATE_NOOP("MainToolBar", "Сохранить"),
        QT_TRANSLATE_NOOP("MainToolBar", "Запомнить ленту"),
        QT_TRANSLATE_NOOP("MainToolBar", "Восстановить ленту"),
        QT_TRANSLATE_NOOP("MainToolBar", "Запустить"),
        QT_TRANSLATE_NOOP("MainToolBar", "Пауза"),
        QT_TRANSLATE_NOOP("MainToolBar", "Пошагово"),
        QT_TRANSLATE_NOOP("MainToolBar", "Прервать"),
        QT_TRANSLATE_NOOP("MainToolBar", "Поставить / удалить метки "),
        QT_TRANSLATE_NOOP("MainToolBar", "Отметить символ на ленте "),
        QT_TRANSLATE_NOOP("MainToolBar", "Изменить символ "),
    };
    return n >= 1 && n <= ButtonCount ? Tr("MainToolBar", kNames[std::size_t(n)]) : QString();
}

MainToolBar::MainToolBar(const MainMenu& menu, QWidget* parent) : QToolBar(parent) {
    setObjectName(QStringLiteral("ToolBar"));
    setMovable(false);
    setFloatable(false);
    setAllowedAreas(Qt::TopToolBarArea);
    setFixedHeight(Height);
    // Its hint has no short part: nothing for a tooltip, all for the
    // status line.
    setStatusTip(
        HintDisplay::LongHint(Tr("MainToolBar", "|Панель инструментов. Её можно спрятать")));

    for (int n = 1; n <= ButtonCount; ++n) {
        QAction* action = menu.*kActions[std::size_t(n - 1)];
        auto* button = new ToolButton(n, action, this);
        buttons_[std::size_t(n)] = button;
        button->SetHint(ShortName(n) + QLatin1Char('|') + action->statusTip());
        connect(button, &ToolButton::Entered, this, &MainToolBar::OnEntered);
        connect(button, &ToolButton::Left, this, &MainToolBar::OnLeft);
        connect(button, &ToolButton::PressedDown, this, &MainToolBar::OnPressed);
        connect(button, &ToolButton::Released, this, &MainToolBar::OnReleased);
        connect(button, &ToolButton::Withdrawn, this, &MainToolBar::HideFramesAt);
    }
    for (int s = 1; s <= 4; ++s) {
        separators_[std::size_t(s)] = new Bevel(Bevel::Shape::LoweredLine, this);
        separators_[std::size_t(s)]->setObjectName(QStringLiteral("Bevel%1").arg(s));
    }
    // The frames lie over the buttons and let the mouse through to them.
    bv_ = new Bevel(Bevel::Shape::RaisedFrame, this);
    bv_->setObjectName(QStringLiteral("bv"));
    bv2_ = new Bevel(Bevel::Shape::RaisedFrame, this);
    bv2_->setObjectName(QStringLiteral("Bv2"));
    LayOut();
    HideFrames();

    FollowRatio();
}

MainToolBar::~MainToolBar() = default;

void MainToolBar::LayOut() {
    int left = kFirstLeft;
    for (const Group& group : kGroups) {
        for (int p = 0; p < group.count; ++p) {
            const Place& place = group.places[std::size_t(p)];
            const int width = ButtonWidth(place.button);
            const QRect home(left, kButtonTop, width, kButtonHeight);
            buttons_[std::size_t(place.button)]->SetHome(home);
            if (place.sharedWith != 0) {
                buttons_[std::size_t(place.sharedWith)]->SetHome(home);
            }
            left += width;
        }
        separators_[std::size_t(group.separator)]->setGeometry(left + kSeparatorGap, kSeparatorTop,
                                                               2, kButtonHeight);
        left += kGroupGap;
    }
    bv_->resize(24, kButtonHeight);
    bv2_->resize(13, kButtonHeight);
}

ToolButton* MainToolBar::Button(int n) const {
    return n >= 1 && n <= ButtonCount ? buttons_[std::size_t(n)] : nullptr;
}

Bevel* MainToolBar::Separator(int n) const {
    return n >= 1 && n <= 4 ? separators_[std::size_t(n)] : nullptr;
}

void MainToolBar::HideFramesAt(int n) {
    // A frame left around a button that has just been switched off or
    // hidden would promise a click that does nothing.
    const QPoint framed = buttons_[std::size_t(n)]->Home().topLeft() - QPoint(1, 1);
    for (Bevel* frame : {bv_, bv2_}) {
        if (frame->isVisible() && frame->pos() == framed) {
            frame->hide();
        }
    }
}

bool MainToolBar::IsButtonEnabled(int n) const {
    return buttons_[std::size_t(n)]->isEnabled();
}

void MainToolBar::SetButtonHint(int n, const QString& hint) {
    if (ToolButton* button = Button(n)) {
        button->SetHint(hint);
    }
}

void MainToolBar::DrawSymbolButton(const QString& symbol) {
    symbol_ = symbol;
    const QPixmap picture = ToolPictures::SymbolPicture(symbol_, font(), pictures_->Ratio());
    buttons_[SymbolButton]->SetPictures(picture, QPixmap());
}

void MainToolBar::FollowRatio() {
    const qreal ratio = devicePixelRatioF();
    const bool dark = WindowColours::Current().dark;
    if (pictures_ && pictures_->Ratio() == ratio && pictures_->Dark() == dark) {
        return;
    }
    auto drawn = std::find_if(drawn_.begin(), drawn_.end(), [ratio, dark](const auto& set) {
        return set->Ratio() == ratio && set->Dark() == dark;
    });
    if (drawn == drawn_.end()) {
        drawn_.push_back(std::make_unique<ToolPictures>(ratio));
        drawn = std::prev(drawn_.end());
    }
    pictures_ = drawn->get();
    for (int n = 1; n <= ButtonCount; ++n) {
        ToolButton* button = buttons_[std::size_t(n)];
        if (n == ChangeButton) {
            button->SetPictures(pictures_->SymbolChange(true), pictures_->SymbolChange(false));
        } else if (n != SymbolButton) {
            button->SetPictures(pictures_->Enabled(n - 1), pictures_->Disabled(n - 1));
        }
    }
    DrawSymbolButton(symbol_);
}

void MainToolBar::ShowFrame(Bevel* frame, int n) {
    frame->move(buttons_[std::size_t(n)]->Home().topLeft() - QPoint(1, 1));
    frame->show();
    frame->raise();
}

void MainToolBar::HideFrames() {
    bv_->hide();
    bv2_->hide();
}

void MainToolBar::OnEntered(int n) {
    if (n == SymbolButton || n == ChangeButton) {
        // The symbol and its change button act as one control.
        if (IsButtonEnabled(SymbolButton) && IsButtonEnabled(ChangeButton)) {
            ShowFrame(bv_, SymbolButton);
            ShowFrame(bv2_, ChangeButton);
        } else {
            HideFrames();
        }
        return;
    }
    if (IsButtonEnabled(n)) {
        ShowFrame(bv_, n);
    } else {
        bv_->hide();
    }
}

void MainToolBar::OnLeft(int n) {
    if (n == SymbolButton || n == ChangeButton) {
        HideFrames();
    } else {
        bv_->hide();
    }
    // The button's leaving emptied the hint; a pointer still over the bar
    // gets the bar's own, which Qt sends only on entering the bar itself.
    if (underMouse()) {
        QStatusTipEvent tip(statusTip());
        QCoreApplication::sendEvent(this, &tip);
    }
}

void MainToolBar::OnPressed(int n) {
    (n == ChangeButton ? bv2_ : bv_)->hide();
}

void MainToolBar::OnReleased(int n) {
    ShowFrame(n == ChangeButton ? bv2_ : bv_, n);
}

bool MainToolBar::event(QEvent* event) {
    if (event->type() == QEvent::ScreenChangeInternal) {
        FollowRatio();
    }
    return QToolBar::event(event);
}

void MainToolBar::paintEvent(QPaintEvent*) {
    // The buttons are painted over the bar, after it: a ratio that changed
    // without a change of screen still reaches their pictures first.
    FollowRatio();
    QPainter painter(this);
    painter.fillRect(rect(), ToolPictures::Face());
    // Lowered outer bevel, raised inner bevel.
    const QRect outer = rect().adjusted(0, 0, -1, -1);
    const QRect inner = outer.adjusted(1, 1, -1, -1);
    // Lines are filled pixel rows and columns, which stay on the bar's
    // pixels on a scaled screen, where a stroke straddles its points.
    auto bevel = [&painter](const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
        painter.fillRect(r.left(), r.top(), r.width(), 1, topLeft);
        painter.fillRect(r.left(), r.top(), 1, r.height(), topLeft);
        painter.fillRect(r.left(), r.bottom(), r.width(), 1, bottomRight);
        painter.fillRect(r.right(), r.top(), 1, r.height(), bottomRight);
    };
    const WindowColours& colours = WindowColours::Current();
    bevel(outer, colours.toolShadow, colours.toolLight);
    bevel(inner, colours.toolLight, colours.toolShadow);
}

void MainToolBar::contextMenuEvent(QContextMenuEvent* event) {
    event->accept();
    if (popup_) {
        popup_->popup(event->globalPos());
    }
}
