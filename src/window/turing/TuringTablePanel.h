#pragma once
// What the table region shows while the Turing machine is current: the
// Turing table at the left, the one-pixel splitter ("Шторка") and the
// comments memo up to the right edge, all as high as the region. The splitter's place is the
// machine's SplitterPos: dragging it with the left button moves it between 15 pixels from either
// edge, and the table's width and the memo's left edge follow it. The memo writes every change
// through TuringMachine::SetComments and shows what the model holds.

#include <QWidget>

class QPlainTextEdit;
class TuringMachine;
class TuringTableView;
class Workbench;

class TuringTablePanel : public QWidget {
    Q_OBJECT
public:
    explicit TuringTablePanel(Workbench& bench, QWidget* parent = nullptr);

    TuringTableView* Table() const { return table_; }
    QWidget* Splitter() const { return splitter_; }
    QPlainTextEdit* Comments() const { return comments_; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Places table, splitter and memo from the splitter's position.
    void LayOut();
    void CommentsEdited();
    void ShowComments(const QString& text);

    TuringMachine& turing_;
    TuringTableView* table_;
    QWidget* splitter_;
    QPlainTextEdit* comments_;
    // Set while the memo shows the model's text, so that showing it is not
    // taken for an edit.
    bool showing_ = false;
};
