#pragma once
// One panel of the status bar: a sunken frame with a line of text, left
// aligned or centred. Setting a text only repaints the panel; unlike a
// label it never asks the status bar to lay itself out again, so a run that
// rewrites the step and message panels at every tick stays cheap.

#include <QFrame>
#include <QString>

class StatusBarPanel : public QFrame {
    Q_OBJECT
public:
    StatusBarPanel(Qt::Alignment alignment, QWidget* parent = nullptr);

    const QString& Text() const { return text_; }
    void SetText(const QString& text);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString text_;
    Qt::Alignment alignment_;
};
