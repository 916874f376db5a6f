#include "window/dialogs/MessageDialog.h"

#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QStatusTipEvent>
#include <QStyle>

#include "window/dialogs/DialogButton.h"
#include "window/dialogs/MessageLayout.h"
#include "window/resources/ScreenReader.h"
#include "window/resources/WindowColours.h"

MessageDialog::MessageDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::WindowContextHelpButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    setFont(font);
    setWindowIcon(style()->standardIcon(QStyle::SP_MessageBoxInformation));
    setObjectName(QStringLiteral("fMessage"));
    setSizeGripEnabled(false);

    label_ = new QLabel(this);
    label_->setObjectName(QStringLiteral("Label1"));
    label_->setTextFormat(Qt::PlainText);
    label_->setWordWrap(true);
    label_->setFocusPolicy(Qt::NoFocus);
    label_->setGeometry(8, 20, 0, 37);

    // The frame lies beneath the panels; only its black outline shows, one
    // pixel outside the selected button.
    shape_ = new QFrame(this);
    shape_->setObjectName(QStringLiteral("Shape"));
    shape_->setFrameStyle(QFrame::Box | QFrame::Plain);
    shape_->setLineWidth(1);
    ColourFrame();
    shape_->setAutoFillBackground(true);

    for (int i = 0; i < 3; ++i) {
        auto* panel = new DialogButton(i + 1, this);
        panel->hide();
        connect(panel, &DialogButton::Hovered, this, [this](int n) {
            Select(n);
            MoveFrameToSelected();
        });
        connect(panel, &DialogButton::Pressed, this, [this, panel](int n) {
            Select(n);
            shape_->hide();
            panel->SetPressedLook(true);
        });
        connect(panel, &DialogButton::Released, this, [this, panel](int n, bool clicked) {
            panel->SetPressedLook(false);
            Select(n);
            MoveFrameToSelected();
            shape_->show();
            if (clicked)
                Choose(n);
        });
        panels_[std::size_t(i)] = panel;
    }
    setFixedSize(250, ClientHeight);
}

DialogAnswer MessageDialog::Ask(const MessageRequest& request) {
    if (busy_) {
        // The open dialog belongs to the call that is still waiting for it.
        // The second one stands over it, so closing it returns to the first.
        MessageDialog second(this);
        const DialogAnswer chosen = second.Ask(request);
        // Keys go back to the question that is still open.
        activateWindow();
        return chosen;
    }
    Prepare(request);
    CentreOnScreen();
    busy_ = true;
    exec();
    busy_ = false;
    return result_ >= 1 && result_ <= answers_.size() ? answers_[result_ - 1]
                                                      : DialogAnswer::Closed;
}

void MessageDialog::Prepare(const MessageRequest& request) {
    const MessageLayout layout = LayOutMessage(request.message, request.kind);
    setWindowTitle(request.caption);
    label_->setAlignment(layout.alignment | Qt::AlignTop);
    label_->setText(layout.text);
    label_->resize(layout.labelWidth, label_->height());

    for (int i = 0; i < 3; ++i) {
        DialogButton* panel = panels_[std::size_t(i)];
        panel->SetCaption(layout.captions[std::size_t(i)]);
        panel->SetHome(layout.lefts[std::size_t(i)], ButtonTop, layout.buttonWidth, ButtonHeight);
        panel->setVisible(i < layout.buttonCount);
    }
    setFixedSize(layout.clientWidth, ClientHeight);

    buttonCount_ = layout.buttonCount;
    answers_ = AnswersOf(request.kind);
    result_ = 0;
    selected_ = 1;
}

void MessageDialog::showEvent(QShowEvent* event) {
    // Every showing starts clean: all panels raised at their places and the
    // frame visible around the first button, whatever the last call left
    // behind.
    for (DialogButton* panel : panels_)
        panel->SetPressedLook(false);
    MoveFrameToSelected();
    shape_->show();
    shape_->lower();
    QDialog::showEvent(event);
    // Every message is an alert to a screen reader: errors, notices and
    // questions alike interrupt what it was reading.
    ScreenReader::Tell(this, QAccessible::Alert);
}

void MessageDialog::Select(int n) {
    selected_ = n;
}

void MessageDialog::MoveFrameToSelected() {
    const QRect home = panels_[std::size_t(selected_ - 1)]->Home();
    shape_->setGeometry(home.adjusted(-1, -1, 1, 1));
}

void MessageDialog::Choose(int n) {
    result_ = n;
    done(n);
}

void MessageDialog::CentreOnScreen() {
    QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    move(area.center() - QPoint(width() / 2, height() / 2));
}

void MessageDialog::keyPressEvent(QKeyEvent* event) {
    // The dialog has no focusable control: every key comes here.
    switch (event->key()) {
        case Qt::Key_Left:
            Select(selected_ == 1 ? buttonCount_ : selected_ - 1);
            break;
        case Qt::Key_Right:
            Select(selected_ == buttonCount_ ? 1 : selected_ + 1);
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            Choose(selected_);
            return;
        case Qt::Key_Escape:
            result_ = 0;
            done(0);
            return;
        default:
            break;
    }
    MoveFrameToSelected();
    event->accept();
}

void MessageDialog::ColourFrame() {
    // The outline in the colour set's message ink, on the buttons' face.
    QPalette framePalette = palette();
    framePalette.setColor(QPalette::WindowText, WindowColours::Current().messageInk);
    framePalette.setColor(QPalette::Window, framePalette.color(QPalette::Button));
    shape_->setPalette(framePalette);
}

bool MessageDialog::event(QEvent* event) {
    if (event->type() == QEvent::PaletteChange && shape_) {
        ColourFrame();
    }
    // A button's hint stops at this window; hand it on to the main window,
    // whose status line shows the hints of the whole application.
    if (event->type() == QEvent::StatusTip && parentWidget()) {
        QStatusTipEvent tip(static_cast<QStatusTipEvent*>(event)->tip());
        QCoreApplication::sendEvent(parentWidget()->window(), &tip);
        return true;
    }
    return QDialog::event(event);
}
