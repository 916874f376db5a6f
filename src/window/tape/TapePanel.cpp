#include "window/tape/TapePanel.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QToolButton>

#include "core/editing/CarriageMoves.h"
#include "core/editing/TapeEditing.h"
#include "core/editing/TapeScroller.h"
#include "core/run/RunController.h"
#include "core/tape/TapeWindow.h"
#include "core/workbench/Workbench.h"
#include "window/tape/SymbolPopup.h"
#include "window/tape/TapeGridWidget.h"
#include "window/tape/TapeRulerWidget.h"

namespace {

constexpr int kRulerTop = 22;
constexpr int kBoxTop = 21;
constexpr int kBoxHeight = 17;
constexpr int kBoxWidth = 31;
constexpr int kTapeTop = 40;
constexpr int kGap = 1;

// The scroll buttons' pictures: a triangle pointing the way the tape moves,
// with a bar at its tip for the scroll to a bound.
QIcon ArrowIcon(bool left, bool toBound) {
    QPixmap pixmap(12, 12);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    const qreal tip = left ? (toBound ? 3 : 2) : (toBound ? 9 : 10);
    const qreal base = left ? (toBound ? 9 : 9) : (toBound ? 3 : 3);
    QPainterPath path;
    path.moveTo(tip, 6);
    path.lineTo(base, 1);
    path.lineTo(base, 11);
    path.closeSubpath();
    painter.drawPath(path);
    if (toBound) {
        painter.fillRect(left ? QRectF(1, 1, 1.5, 10) : QRectF(9.5, 1, 1.5, 10), Qt::black);
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
    for (MachineKind kind : {MachineKind::Pst, MachineKind::Tur}) {
        auto* grid = new TapeGridWidget(bench_, kind, this);
        grids_[std::size_t(kind)] = grid;
        connect(grid, &TapeGridWidget::ToggleMarksRequested, this, &TapePanel::ToggleMarks);
        connect(grid, &TapeGridWidget::SymbolTyped, this, &TapePanel::WriteSymbolToSelection);
        connect(grid, &TapeGridWidget::CellDoubleClicked, this, &TapePanel::OnDoubleClick);
        connect(grid, &TapeGridWidget::PopupMenuRequested, this, &TapePanel::OnPopupMenu);
    }

    edNum_ = new QLineEdit(QStringLiteral("0"), this);
    edNum_->setObjectName(QStringLiteral("edNum"));
    edNum_->setMaxLength(4);
    edNum_->setAlignment(Qt::AlignCenter);
    edNum_->setTextMargins(0, 0, 0, 0);
    edNum_->setStatusTip(QStringLiteral("Перейти к ячейке номер..."));
    edNum_->setToolTip(QStringLiteral("Перейти к ячейке номер..."));
    QFont boxFont = edNum_->font();
    boxFont.setPixelSize(10);
    edNum_->setFont(boxFont);
    // Only what the user types moves the carriage; the box merely shows
    // the carriage when the program writes it.
    connect(edNum_, &QLineEdit::textEdited, this, &TapePanel::OnGoToEdited);

    sbLeft2_ = MakeButton(this, QStringLiteral("sbLeft2"),
                          QStringLiteral("Прокрутить до мининального значения"), true, true);
    sbLeft_ = MakeButton(this, QStringLiteral("SbLeft"), QStringLiteral("Прокрутить ленту влево"),
                         true, false);
    sbRight_ = MakeButton(this, QStringLiteral("SbRight"),
                          QStringLiteral("Прокрутить ленту вправо"), false, false);
    sbRight2_ = MakeButton(this, QStringLiteral("sbRight2"),
                           QStringLiteral("Прокрутить до максимального значения"), false, true);
    sbLeft2_->setCheckable(true);
    sbRight2_->setCheckable(true);

    using Side = TapeScroller::Side;
    connect(sbLeft_, &QToolButton::pressed, this, [this] { scroller_->MouseDown(Side::Left); });
    connect(sbLeft_, &QToolButton::released, this, [this] { scroller_->MouseUp(Side::Left); });
    connect(sbLeft_, &QToolButton::clicked, this, [this] { scroller_->Click(Side::Left); });
    connect(sbRight_, &QToolButton::pressed, this, [this] { scroller_->MouseDown(Side::Right); });
    connect(sbRight_, &QToolButton::released, this, [this] { scroller_->MouseUp(Side::Right); });
    connect(sbRight_, &QToolButton::clicked, this, [this] { scroller_->Click(Side::Right); });
    connect(scroller_, &TapeScroller::RepeatRefused, this, [this](Side side) {
        // The release of this press may never come (the error dialog took
        // the mouse), so the button pops up now and its click is void.
        (side == Side::Left ? sbLeft_ : sbRight_)->setDown(false);
    });
    connect(sbLeft2_, &QToolButton::clicked, scroller_, &TapeScroller::sbLeft2Click);
    connect(sbRight2_, &QToolButton::clicked, scroller_, &TapeScroller::sbRight2Click);
    connect(scroller_, &TapeScroller::ModeChanged, this, [this](TapeScroller::BoundMode mode) {
        sbLeft2_->setChecked(mode == TapeScroller::BoundMode::ToMin);
        sbRight2_->setChecked(mode == TapeScroller::BoundMode::ToMax);
    });

    fmAlf_ = new SymbolPopup(bench_.Turing(), this);
    TapeGridWidget* turingGrid = grids_[std::size_t(MachineKind::Tur)];
    turingGrid->SetSelectionShownElsewhere([this] { return fmAlf_->isVisible(); });
    connect(fmAlf_, &SymbolPopup::VisibleChanged, turingGrid,
            [turingGrid] { turingGrid->update(); });
    connect(fmAlf_, &SymbolPopup::SymbolChosen, this, [this](const QString& symbol) {
        Q_EMIT SymbolChosen(symbol);
        WriteCurrentSymbol();
    });

    connect(&bench_, &Workbench::TapeChanged, this, &TapePanel::OnTapeChanged);
    connect(&bench_.run(), &RunController::ControlsChanged, this, &TapePanel::ApplyControls);
    connect(&bench_.Turing(), &TuringMachine::DocumentLoaded, this, &TapePanel::TapeWindowRefresh);

    FollowMachineKind();
    LayOut();
}

TapeGridWidget* TapePanel::Grid(MachineKind kind) const {
    return grids_[std::size_t(kind)];
}

void TapePanel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    LayOut();
}

void TapePanel::LayOut() {
    const int total = minimumWidth();
    int x = std::max(0, (width() - total) / 2);
    sbLeft2_->move(x, kTapeTop);
    x += ButtonWidth + kGap;
    sbLeft_->move(x, kTapeTop);
    x += ButtonWidth + kGap;
    const int gridLeft = x;
    for (TapeGridWidget* grid : grids_) {
        grid->move(gridLeft, kTapeTop);
    }
    ruler_->move(gridLeft, kRulerTop);
    const int carriageLeft = gridLeft + TapeGridWidget::ColumnLeft(TapeWindow::CarriageCol);
    edNum_->setGeometry(carriageLeft + (TapeGridWidget::CarriageWidth - kBoxWidth) / 2, kBoxTop,
                        kBoxWidth, kBoxHeight);
    x += TapeGridWidget::GridWidth + kGap;
    sbRight_->move(x, kTapeTop);
    x += ButtonWidth + kGap;
    sbRight2_->move(x, kTapeTop);
}

void TapePanel::FollowMachineKind() {
    shownKind_ = bench_.Kind();
    Grid(MachineKind::Pst)->setVisible(shownKind_ == MachineKind::Pst);
    Grid(MachineKind::Tur)->setVisible(shownKind_ == MachineKind::Tur);
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
    if (edNum_->text() != text) {
        // setText does not count as the user's edit, so showing the
        // carriage never marks the document modified.
        const int cursor = edNum_->cursorPosition();
        edNum_->setText(text);
        if (edNum_->hasFocus()) {
            edNum_->setCursorPosition(std::min(cursor, int(text.size())));
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
        ShowCarriageInBox();
    }
}

void TapePanel::OnGoToEdited(const QString& text) {
    if (bench_.Kind() != shownKind_) {
        return;
    }
    GoToCell(bench_, text);
    // The box is written back even when the carriage stays (a sign alone,
    // letters), so that it shows the carriage's real cell.
    TapeWindowRefresh();
}

void TapePanel::ApplyControls() {
    const ControlStates& c = bench_.run().Controls();
    const bool free = !c.boundScroll;
    sbLeft_->setEnabled(c.sbLeft && free);
    sbRight_->setEnabled(c.sbRight && free);
    edNum_->setEnabled(c.edNum && free);
    sbLeft2_->setEnabled(c.sbLeft2);
    sbRight2_->setEnabled(c.sbRight2);
    Grid(MachineKind::Pst)
        ->setEnabled(c.postTape && !(c.boundScroll && shownKind_ == MachineKind::Pst));
    Grid(MachineKind::Tur)
        ->setEnabled(c.turingTape && !(c.boundScroll && shownKind_ == MachineKind::Tur));
}

bool TapePanel::TapeKeyDown(QKeyEvent* event) {
    TapeGridWidget* grid = CurrentGrid();
    return grid->isEnabled() && grid->TapeKeyDown(event);
}

void TapePanel::ToggleMarks() {
    const TapeGridWidget* grid = Grid(MachineKind::Pst);
    TapeEditing::ToggleMarks(bench_, grid->FirstSelected(), grid->LastSelected());
}

void TapePanel::ToggleMarksCommand() {
    if (bench_.Kind() != MachineKind::Pst) {
        return;
    }
    bench_.NoteEdit();
    TapeGridWidget* grid = Grid(MachineKind::Pst);
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
    const TapeGridWidget* grid = Grid(MachineKind::Tur);
    TapeEditing::WriteSymbolToSelection(bench_, ch, grid->FirstSelected(), grid->LastSelected());
}

void TapePanel::WriteCurrentSymbol() {
    WriteSymbolToSelection(TapeEditing::SymbolOf(bench_.Turing().currentTapeSymbol));
}

void TapePanel::OnDoubleClick(int col) {
    if (bench_.Kind() == MachineKind::Pst) {
        TapeEditing::ToggleMarkAt(bench_, col);
        return;
    }
    Grid(MachineKind::Tur)->Select(col, col);
    WriteCurrentSymbol();
}

void TapePanel::ChangeSymbol(const QPoint& screenPos) {
    if (bench_.Kind() != MachineKind::Tur) {
        return;
    }
    fmAlf_->Popup(screenPos, Grid(MachineKind::Tur));
}

QPoint TapePanel::SymbolListFromButton(const QPoint& windowTopLeft, int button11Left) {
    return windowTopLeft + QPoint(button11Left + 2, 67);
}

QPoint TapePanel::SymbolListFromPopup(const QPoint& windowTopLeft, int toolbarHeight,
                                      int statementHeight) const {
    const TapeGridWidget* grid = CurrentGrid();
    const int gridLeft = grid->mapTo(window(), QPoint(0, 0)).x();
    return windowTopLeft + QPoint(gridLeft + TapeGridWidget::CellWidth * grid->LastSelected() + 13,
                                  toolbarHeight + statementHeight + PanelHeight + 12);
}

void TapePanel::ClearTape() {
    TapeEditing::ClearTape(bench_);
    CurrentGrid()->SelectCarriageCell();
    TapeWindowRefresh();
}

void TapePanel::MemoriseTape() {
    BusyPointer busy;
    if (TapeEditing::MemoriseTape(bench_)) {
        Q_EMIT TapeMemorised(bench_.Current().tape.Memorised().picture);
    }
}

void TapePanel::RestoreTape() {
    BusyPointer busy;
    TapeEditing::RestoreTape(bench_);
    TapeWindowRefresh();
}

void TapePanel::mmCommLeftClick() {
    TapeEditing::CarriageLeft(bench_);
}

void TapePanel::mmCommRightClick() {
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
