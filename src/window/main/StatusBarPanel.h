#pragma once
// One panel of the status bar: a sunken frame with a line of text, left
// aligned or centred. Setting a text only repaints the panel; unlike a
// label it never asks the status bar to lay itself out again, so a run that
// rewrites the step and message panels at every tick stays cheap.

#include <QFrame>
#include <QString>
#include <QStringList>

class StatusBarPanel : public QFrame {
    Q_OBJECT
public:
    StatusBarPanel(Qt::Alignment alignment, QWidget* parent = nullptr);

    const QString& Text() const { return text_; }
    void SetText(const QString& text);
    // A panel of fixed width: at least `width`, and wide enough for each of
    // `longest` in the panel's font, kept so when the font or the screen
    // changes.
    void KeepWidthFor(int width, const QStringList& longest);
    // The width a text needs inside the panel.
    int WidthFor(const QString& text) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void ApplyWidth();
    QRect TextArea() const;

    int baseWidth_ = 0;
    QStringList longest_;
    QString text_;
    Qt::Alignment alignment_;
};
