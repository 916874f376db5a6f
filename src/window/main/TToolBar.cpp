#include "window/main/TToolBar.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QPainter>

#include "window/main/TBevel.h"
#include "window/main/TCool.h"
#include "window/main/THintDisplay.h"

namespace {

constexpr int kButtonTop = 4;
constexpr int kButtonHeight = 22;
constexpr int kFirstLeft = 8;
constexpr int kGroupGap = 15;     // from a group's right edge to the next group
constexpr int kSeparatorGap = 6;  // from a group's right edge to its separator
constexpr int kSeparatorTop = 3;

int ButtonWidth(int n) {
    return n == TToolBar::ChangeButton ? 12 : 24;
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

const QColor kLight(255, 255, 255);
const QColor kShadow(128, 128, 128);

}  // namespace

QString TToolBar::ShortName(int n) {
    // Buttons 10 to 12 end with a space, as their hints always have.
    static const std::array<const char*, ButtonCount + 1> kNames = {
        "",
        "Новый",
        "Открыть",
        "Сохранить",
        "Запомнить ленту",
        "Восстановить ленту",
        "Запустить",
        "Пауза",
        "Пошагово",
        "Прервать",
        "Поставить / удалить метки ",
        "Отметить символ на ленте ",
        "Изменить символ ",
    };
    return n >= 1 && n <= ButtonCount ? QString::fromUtf8(kNames[std::size_t(n)]) : QString();
}

TToolBar::TToolBar(QWidget* parent)
    : QToolBar(parent), pictures_(std::make_unique<TToolPictures>()) {
    setObjectName(QStringLiteral("ToolBar"));
    setMovable(false);
    setFloatable(false);
    setAllowedAreas(Qt::TopToolBarArea);
    setFixedHeight(Height);
    // Its hint has no short part: nothing for a tooltip, all for the
    // status line.
    setStatusTip(THintDisplay::LongHint(QStringLiteral("|Панель инструментов. Её можно спрятать")));

    for (int n = 1; n <= ButtonCount; ++n) {
        auto* button = new TCool(n, this);
        buttons_[std::size_t(n)] = button;
        if (n == ChangeButton) {
            button->SetPictures(pictures_->SymbolChange(true), pictures_->SymbolChange(false));
        } else if (n != SymbolButton) {
            button->SetPictures(pictures_->Enabled(n - 1), pictures_->Disabled(n - 1));
        }
        button->SetHint(ShortName(n) + QLatin1Char('|'));
        connect(button, &TCool::Entered, this, &TToolBar::OnEntered);
        connect(button, &TCool::Left, this, &TToolBar::OnLeft);
        connect(button, &TCool::PressedDown, this, &TToolBar::OnPressed);
        connect(button, &TCool::Released, this, &TToolBar::OnReleased);
        connect(button, &TCool::Clicked, this, &TToolBar::ButtonClicked);
    }
    for (int s = 1; s <= 4; ++s) {
        separators_[std::size_t(s)] = new TBevel(TBevel::Shape::LoweredLine, this);
        separators_[std::size_t(s)]->setObjectName(QStringLiteral("Bevel%1").arg(s));
    }
    // The frames lie over the buttons and let the mouse through to them.
    bv_ = new TBevel(TBevel::Shape::RaisedFrame, this);
    bv_->setObjectName(QStringLiteral("bv"));
    bv2_ = new TBevel(TBevel::Shape::RaisedFrame, this);
    bv2_->setObjectName(QStringLiteral("Bv2"));
    LayOut();
    HideFrames();

    DrawSymbolButton(QString());
    for (int n : {5, 7, 9, 11, 12}) {
        SetButtonEnabled(n, false);
    }
    SetButtonVisible(SymbolButton, false);
    SetButtonVisible(ChangeButton, false);
}

TToolBar::~TToolBar() = default;

void TToolBar::LayOut() {
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

TCool* TToolBar::Button(int n) const {
    return n >= 1 && n <= ButtonCount ? buttons_[std::size_t(n)] : nullptr;
}

TBevel* TToolBar::Separator(int n) const {
    return n >= 1 && n <= 4 ? separators_[std::size_t(n)] : nullptr;
}

void TToolBar::SetButtonEnabled(int n, bool on) {
    TCool* button = Button(n);
    if (!button) {
        return;
    }
    button->setEnabled(on);
    // A frame left around a button that has just been switched off would
    // promise a click that does nothing.
    if (!on) {
        const QPoint framed = button->Home().topLeft() - QPoint(1, 1);
        if (bv_->isVisible() && bv_->pos() == framed) {
            bv_->hide();
        }
        if (bv2_->isVisible() && bv2_->pos() == framed) {
            bv2_->hide();
        }
    }
}

bool TToolBar::IsButtonEnabled(int n) const {
    const TCool* button = Button(n);
    return button && button->isEnabled();
}

void TToolBar::SetButtonVisible(int n, bool on) {
    if (TCool* button = Button(n)) {
        button->setVisible(on);
        if (!on) {
            HideFrames();
        }
    }
}

void TToolBar::SetButtonHint(int n, const QString& hint) {
    if (TCool* button = Button(n)) {
        button->SetHint(hint);
    }
}

void TToolBar::DrawSymbolButton(const QString& symbol) {
    const QPixmap picture = TToolPictures::SymbolPicture(symbol, font());
    buttons_[SymbolButton]->SetPictures(picture, QPixmap());
}

void TToolBar::ShowFrame(TBevel* frame, int n) {
    frame->move(buttons_[std::size_t(n)]->Home().topLeft() - QPoint(1, 1));
    frame->show();
    frame->raise();
}

void TToolBar::HideFrames() {
    bv_->hide();
    bv2_->hide();
}

void TToolBar::OnEntered(int n) {
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

void TToolBar::OnLeft(int n) {
    if (n == SymbolButton || n == ChangeButton) {
        HideFrames();
    } else {
        bv_->hide();
    }
}

void TToolBar::OnPressed(int n) {
    (n == ChangeButton ? bv2_ : bv_)->hide();
}

void TToolBar::OnReleased(int n) {
    ShowFrame(n == ChangeButton ? bv2_ : bv_, n);
}

void TToolBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), TToolPictures::Face());
    // Lowered outer bevel, raised inner bevel.
    const QRect outer = rect().adjusted(0, 0, -1, -1);
    const QRect inner = outer.adjusted(1, 1, -1, -1);
    auto bevel = [&painter](const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
        painter.setPen(topLeft);
        painter.drawLine(r.topLeft(), r.topRight());
        painter.drawLine(r.topLeft(), r.bottomLeft());
        painter.setPen(bottomRight);
        painter.drawLine(r.bottomLeft(), r.bottomRight());
        painter.drawLine(r.topRight(), r.bottomRight());
    };
    bevel(outer, kShadow, kLight);
    bevel(inner, kLight, kShadow);
}

void TToolBar::contextMenuEvent(QContextMenuEvent* event) {
    event->accept();
    if (popup_) {
        popup_->popup(event->globalPos());
    }
}
