#include "window/tape/TapePanel.h"

#include <QFocusEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpressionValidator>
#include <QToolButton>

#include "core/editing/CarriageMoves.h"
#include "core/editing/TapeEditing.h"
#include "core/editing/TapeScroller.h"
#include "core/run/RunController.h"
#include "core/tape/TapeWindow.h"
#include "core/text/Language.h"
#include "core/workbench/Workbench.h"
#include "window/resources/WindowColours.h"
#include "window/tape/SymbolPopup.h"
#include "window/tape/TapeGridWidget.h"
#include "window/tape/TapeRulerWidget.h"

namespace {

constexpr int kRulerTop = 22;
constexpr int kBoxTop = 21;
constexpr int kBoxHeight = 17;
constexpr int kTapeTop = 40;
constexpr int kGap = 1;

// The scroll buttons' pictures: a triangle pointing the way the tape moves,
// with a bar at its tip for the scroll to a bound, in the tape's lines of
// the colour set in use (dark on a light palette's buttons, light on a
// dark one's).
QIcon ArrowIcon(bool left, bool toBound) {
    const QColor ink = WindowColours::Current().tapeLine;
    QPixmap pixmap(12, 12);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    const qreal tip = left ? (toBound ? 3 : 2) : (toBound ? 9 : 10);
    const qreal base = left ? 9 : 3;
    QPainterPath path;
    path.moveTo(tip, 6);
    path.lineTo(base, 1);
    path.lineTo(base, 11);
    path.closeSubpath();
    painter.drawPath(path);
    if (toBound) {
        painter.fillRect(left ? QRectF(1, 1, 1.5, 10) : QRectF(9.5, 1, 1.5, 10), ink);
    }
    painter.end();
    return QIcon(pixmap);
}

QToolButton* MakeButton(QWidget* parent, const QString& name, const QString& hint, bool left,
                        bool toBound) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setIcon(ArrowIcon(left, toBound));
    button->setFocusPolicy(Qt::NoFocus);
    button->setToolTip(hint);
    button->setStatusTip(hint);
    button->setFixedSize(TapePanel::ButtonWidth, TapeGridWidget::RowHeight);
    return button;
}

// The pointer shows the arrow with the hourglass until the command ends.
class BusyPointer {
public:
    BusyPointer() { QGuiApplication::setOverrideCursor(Qt::BusyCursor); }
    ~BusyPointer() { QGuiApplication::restoreOverrideCursor(); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};

}  // namespace

TapePanel::TapePanel(Workbench& bench, QWidget* parent)
    : QWidget(parent), bench_(bench), scroller_(new TapeScroller(bench, this)) {
    setObjectName(QStringLiteral("Panel2"));
    setFixedHeight(PanelHeight);
    setMinimumWidth(4 * ButtonWidth + 4 * kGap + TapeGridWidget::GridWidth);

    ruler_ = new TapeRulerWidget(bench_, this);
    for (MachineKind kind : kMachineKinds) {
        auto* grid = new TapeGridWidget(bench_, kind, this);
        grids_[kind] = grid;
        connect(grid, &TapeGridWidget::ToggleMarksRequested, this, &TapePanel::ToggleMarks);
        connect(grid, &TapeGridWidget::SymbolTyped, this, &TapePanel::TypeSymbol);
        connect(grid, &TapeGridWidget::CellDoubleClicked, this, &TapePanel::OnDoubleClick);
        connect(grid, &TapeGridWidget::PopupMenuRequested, this, &TapePanel::OnPopupMenu);
    }

    goToBox_ = new QLineEdit(QStringLiteral("0"), this);
    goToBox_->setObjectName(QStringLiteral("edNum"));
    goToBox_->setMaxLength(4);
    goToBox_->setAlignment(Qt::AlignCenter);
    goToBox_->setTextMargins(0, 0, 0, 0);
    // The box covers the ruler's carriage column and no more, so the
    // neighbours' numbers stay whole: a one-pixel frame and no padding
    // leave "-999" room in its 23 pixels.
    goToBox_->setStyleSheet(
        QStringLiteral("QLineEdit { border: 1px solid #404040; padding: 0; margin: 0; }"));
    goToBox_->setStatusTip(Tr("TapePanel", "Перейти к ячейке номер..."));
    goToBox_->setToolTip(Tr("TapePanel", "Перейти к ячейке номер..."));
    QFont boxFont = goToBox_->font();
    boxFont.setPixelSize(10);
    boxFont.setStretch(QFont::SemiCondensed);
    goToBox_->setFont(boxFont);
    // Only what the user types moves the carriage; the box merely shows
    // the carriage when the program writes it. It takes a sign and digits
    // only, so what it holds is always a number or the start of one.
    goToBox_->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[+-]?[0-9]*")), goToBox_));
    goToBox_->installEventFilter(this);
    connect(goToBox_, &QLineEdit::textEdited, this, &TapePanel::OnGoToEdited);
    connect(goToBox_, &QLineEdit::returnPressed, this, &TapePanel::ShowCarriageInBox);

    leftBoundButton_ =
        MakeButton(this, QStringLiteral("sbLeft2"),
                   Tr("TapePanel", "Прокрутить до мининального значения"), true, true);
    scrollLeftButton_ = MakeButton(this, QStringLiteral("SbLeft"),
                                   Tr("TapePanel", "Прокрутить ленту влево"), true, false);
    scrollRightButton_ = MakeButton(this, QStringLiteral("SbRight"),
                                    Tr("TapePanel", "Прокрутить ленту вправо"), false, false);
    rightBoundButton_ =
        MakeButton(this, QStringLiteral("sbRight2"),
                   Tr("TapePanel", "Прокрутить до максимального значения"), false, true);
    leftBoundButton_->setCheckable(true);
    rightBoundButton_->setCheckable(true);

    using Side = TapeScroller::Side;
    connect(scrollLeftButton_, &QToolButton::pressed, this,
            [this] { scroller_->MouseDown(Side::Left); });
    connect(scrollLeftButton_, &QToolButton::released, this,
            [this] { scroller_->MouseUp(Side::Left); });
    connect(scrollLeftButton_, &QToolButton::clicked, this,
            [this] { scroller_->Click(Side::Left); });
    connect(scrollRightButton_, &QToolButton::pressed, this,
            [this] { scroller_->MouseDown(Side::Right); });
    connect(scrollRightButton_, &QToolButton::released, this,
            [this] { scroller_->MouseUp(Side::Right); });
    connect(scrollRightButton_, &QToolButton::clicked, this,
            [this] { scroller_->Click(Side::Right); });
    connect(scroller_, &TapeScroller::RepeatRefused, this, [this](Side side) {
        // The release of this press may never come (the error dialog took
        // the mouse), so the button pops up now and its click is void.
        (side == Side::Left ? scrollLeftButton_ : scrollRightButton_)->setDown(false);
    });
    connect(leftBoundButton_, &QToolButton::clicked, scroller_, &TapeScroller::ScrollToLeftBound);
    connect(rightBoundButton_, &QToolButton::clicked, scroller_, &TapeScroller::ScrollToRightBound);
    connect(scroller_, &TapeScroller::ModeChanged, this, [this](TapeScroller::BoundMode mode) {
        leftBoundButton_->setChecked(mode == TapeScroller::BoundMode::ToMin);
        rightBoundButton_->setChecked(mode == TapeScroller::BoundMode::ToMax);
    });

    symbolPopup_ = new SymbolPopup(bench_.Turing(), this);
    TapeGridWidget* turingGrid = grids_[MachineKind::Turing];
    turingGrid->SetSelectionShownElsewhere([this] { return symbolPopup_->isVisible(); });
    connect(symbolPopup_, &SymbolPopup::VisibleChanged, turingGrid,
            [turingGrid] { turingGrid->update(); });
    connect(symbolPopup_, &SymbolPopup::SymbolChosen, this, [this](const QString& symbol) {
        Q_EMIT SymbolChosen(symbol);
        WriteCurrentSymbol();
    });

    connect(&bench_, &Workbench::TapeChanged, this, &TapePanel::OnTapeChanged);
    connect(&bench_.RunControl(), &RunController::ControlsChanged, this, &TapePanel::ApplyControls);
    connect(&bench_.Turing(), &TuringMachine::DocumentLoaded, this, &TapePanel::TapeWindowRefresh);

    FollowMachineKind();
    LayOut();
}

TapeGridWidget* TapePanel::Grid(MachineKind kind) const {
    return grids_[kind];
}

void TapePanel::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && leftBoundButton_) {
        leftBoundButton_->setIcon(ArrowIcon(true, true));
        scrollLeftButton_->setIcon(ArrowIcon(true, false));
        scrollRightButton_->setIcon(ArrowIcon(false, false));
        rightBoundButton_->setIcon(ArrowIcon(false, true));
    }
}

void TapePanel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    LayOut();
}

void TapePanel::SetZoom(qreal zoom) {
    zoom_ = zoom;
    for (TapeGridWidget* grid : grids_) {
        grid->SetZoom(zoom);
    }
    ruler_->SetZoom(zoom);
    for (QToolButton* button :
         {leftBoundButton_, scrollLeftButton_, scrollRightButton_, rightBoundButton_}) {
        button->setFixedSize(Zoomed(ButtonWidth), Zoomed(TapeGridWidget::RowHeight));
    }
    QFont boxFont = goToBox_->font();
    boxFont.setPixelSize(Zoomed(10));
    goToBox_->setFont(boxFont);
    setFixedHeight(Zoomed(PanelHeight));
    setMinimumWidth(4 * Zoomed(ButtonWidth) + 4 * kGap + grids_[MachineKind::Post]->width());
    LayOut();
}

int TapePanel::Zoomed(int pixels) const {
    return qRound(pixels * zoom_);
}

void TapePanel::LayOut() {
    // The panel's places at the normal size, scaled by the zoom.
    const int total = minimumWidth();
    const int top = Zoomed(kTapeTop);
    const int button = Zoomed(ButtonWidth);
    int x = std::max(0, (width() - total) / 2);
    leftBoundButton_->move(x, top);
    x += button + kGap;
    scrollLeftButton_->move(x, top);
    x += button + kGap;
    const int gridLeft = x;
    for (TapeGridWidget* grid : grids_) {
        grid->move(gridLeft, top);
    }
    ruler_->move(gridLeft, Zoomed(kRulerTop));
    const int carriageLeft = gridLeft + Zoomed(TapeGridWidget::ColumnLeft(TapeWindow::CarriageCol));
    goToBox_->setGeometry(carriageLeft, Zoomed(kBoxTop), Zoomed(TapeGridWidget::CarriageWidth),
                          Zoomed(kBoxHeight));
    x += grids_[MachineKind::Post]->width() + kGap;
    scrollRightButton_->move(x, top);
    x += button + kGap;
    rightBoundButton_->move(x, top);
}

void TapePanel::FollowMachineKind() {
    shownKind_ = bench_.Kind();
    Grid(MachineKind::Post)->setVisible(shownKind_ == MachineKind::Post);
    Grid(MachineKind::Turing)->setVisible(shownKind_ == MachineKind::Turing);
    ApplyControls();
    TapeWindowRefresh();
}

void TapePanel::TapeWindowRefresh() {
    CurrentGrid()->update();
    ruler_->update();
    ShowCarriageInBox();
}

void TapePanel::ShowCarriageInBox() {
    shownCarriage_ = bench_.MachineOf(shownKind_).tape.CarriagePos();
    const QString text = QString::number(shownCarriage_);
    if (goToBox_->text() != text) {
        // setText does not count as the user's edit, so showing the
        // carriage never marks the document modified.
        const int cursor = goToBox_->cursorPosition();
        goToBox_->setText(text);
        if (goToBox_->hasFocus()) {
            goToBox_->setCursorPosition(std::min(cursor, int(text.size())));
        }
    }
}

void TapePanel::OnTapeChanged(MachineKind kind) {
    if (kind != shownKind_) {
        return;  // the hidden grid is drawn afresh when it is shown
    }
    CurrentGrid()->update();
    if (bench_.MachineOf(kind).tape.CarriagePos() != shownCarriage_) {
        ruler_->update();
        if (!followingBox_) {
            ShowCarriageInBox();
        }
    }
}

void TapePanel::OnGoToEdited(const QString& text) {
    if (bench_.Kind() != shownKind_) {
        return;
    }
    followingBox_ = true;
    const int cell = GoToCell(bench_, text);
    followingBox_ = false;
    shownCarriage_ = bench_.MachineOf(shownKind_).tape.CarriagePos();
    // While the student edits the box it keeps what was typed: an empty
    // box or a sign alone waits for digits, and the carriage stays. Only a
    // number the box corrected (with its beep) is written back.
    bool number = false;
    const int typed = text.toInt(&number);
    if (number && typed != cell) {
        ShowCarriageInBox();
    }
}

bool TapePanel::eventFilter(QObject* watched, QEvent* event) {
    // Leaving the box shows the carriage in it again. Another window or a
    // pop-up taking the keyboard for a while is no leaving (and the window
    // closing hands its focus on so, after the machines are gone).
    if (watched == goToBox_ && event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            ShowCarriageInBox();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TapePanel::ApplyControls() {
    const ControlStates& c = bench_.RunControl().Controls();
    const bool free = !c.boundScroll;
    scrollLeftButton_->setEnabled(c.scrollLeft && free);
    scrollRightButton_->setEnabled(c.scrollRight && free);
    goToBox_->setEnabled(c.goToBox && free);
    leftBoundButton_->setEnabled(c.leftBound);
    rightBoundButton_->setEnabled(c.rightBound);
    Grid(MachineKind::Post)
        ->setEnabled(c.postTape && !(c.boundScroll && shownKind_ == MachineKind::Post));
    Grid(MachineKind::Turing)
        ->setEnabled(c.turingTape && !(c.boundScroll && shownKind_ == MachineKind::Turing));
}

bool TapePanel::TapeKeyDown(QKeyEvent* event) {
    TapeGridWidget* grid = CurrentGrid();
    return grid->isEnabled() && grid->TapeKeyDown(event);
}

void TapePanel::ToggleMarks() {
    const TapeGridWidget* grid = Grid(MachineKind::Post);
    TapeEditing::ToggleMarks(bench_, grid->FirstSelected(), grid->LastSelected());
}

void TapePanel::ToggleMarksCommand() {
    if (bench_.Kind() != MachineKind::Post) {
        return;
    }
    bench_.NoteEdit();
    TapeGridWidget* grid = Grid(MachineKind::Post);
    if (!grid->hasFocus()) {
        // Taking the focus puts it on the carriage cell, so the command
        // acts on that cell alone; set it here as well, for a tape that
        // cannot take the focus now (a step of the program is pending).
        grid->SelectCarriageCell();
        grid->setFocus(Qt::OtherFocusReason);
    }
    ToggleMarks();
}

void TapePanel::WriteSymbolToSelection(QChar ch) {
    const TapeGridWidget* grid = Grid(MachineKind::Turing);
    TapeEditing::WriteSymbolToSelection(bench_, ch, grid->FirstSelected(), grid->LastSelected());
}

void TapePanel::TypeSymbol(QChar ch) {
    TapeGridWidget* grid = Grid(MachineKind::Turing);
    const TapeEditing::WriteResult result = TapeEditing::WriteSymbolToSelection(
        bench_, ch, grid->FirstSelected(), grid->LastSelected());
    // Typing goes on in the next cell, as it does in a line of text.
    if (result == TapeEditing::WriteResult::Written) {
        grid->StepPastSelection();
    }
}

void TapePanel::WriteCurrentSymbol() {
    WriteSymbolToSelection(TapeEditing::SymbolOf(bench_.Turing().currentTapeSymbol));
}

void TapePanel::OnDoubleClick(int col) {
    if (bench_.Kind() == MachineKind::Post) {
        TapeEditing::ToggleMarkAt(bench_, col);
        return;
    }
    Grid(MachineKind::Turing)->Select(col, col);
    WriteCurrentSymbol();
}

void TapePanel::ChangeSymbol(const QPoint& screenPos) {
    if (bench_.Kind() != MachineKind::Turing) {
        return;
    }
    symbolPopup_->Popup(screenPos, Grid(MachineKind::Turing));
}

QPoint TapePanel::SymbolListFromButton(const QPoint& windowTopLeft, int symbolButtonLeft) {
    return windowTopLeft + QPoint(symbolButtonLeft + 2, 67);
}

QPoint TapePanel::SymbolListFromPopup(const QPoint& windowTopLeft, int toolbarHeight,
                                      int statementHeight) const {
    const TapeGridWidget* grid = CurrentGrid();
    const int gridLeft = grid->mapTo(window(), QPoint(0, 0)).x();
    return windowTopLeft +
           QPoint(gridLeft + Zoomed(TapeGridWidget::CellWidth * grid->LastSelected() + 13),
                  toolbarHeight + statementHeight + Zoomed(PanelHeight + 12));
}

void TapePanel::ClearTape() {
    TapeEditing::ClearTape(bench_);
    CurrentGrid()->SelectCarriageCell();
    TapeWindowRefresh();
}

void TapePanel::MemoriseTape() {
    BusyPointer busy;
    if (TapeEditing::MemoriseTape(bench_)) {
        Q_EMIT TapeMemorised(bench_.Current().tape.MemorisedPicture());
    }
}

void TapePanel::RestoreTape() {
    BusyPointer busy;
    TapeEditing::RestoreTape(bench_);
    TapeWindowRefresh();
}

void TapePanel::CarriageLeft() {
    TapeEditing::CarriageLeft(bench_);
}

void TapePanel::CarriageRight() {
    TapeEditing::CarriageRight(bench_);
}

void TapePanel::SetPopupMenu(QMenu* menu) {
    popupMenu_ = menu;
}

void TapePanel::OnPopupMenu(const QPoint& globalPos) {
    if (popupMenu_) {
        popupMenu_->popup(globalPos);
    } else {
        Q_EMIT PopupMenuRequested(globalPos);
    }
}
