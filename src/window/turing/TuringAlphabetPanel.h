#pragma once
// The alphabet panel, 34 pixels high above the Turing table: the label
// "Внешний алфавит: " and, in a sunken frame, the alphabet editor. Each
// change of the editor's text goes to TuringMachine::EditAlphabetText
// (sanitised to the code page, one line);
// the rows of the table follow at the rebuild, which runs when the editor
// loses the focus and when Enter is released in it. The editor is enabled
// exactly while the run controller allows it and shows whatever text the
// model holds.
//
// Its pop-up menu (alphabetMenu) offers "Очистить" and "Спрятать"; the panel only
// announces them, and the main window connects them to the clear-all command
// and to the alphabet view toggle.

#include <QWidget>

class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class TuringMachine;
class Workbench;

class TuringAlphabetPanel : public QWidget {
    Q_OBJECT
public:
    static constexpr int kHeight = 34;
    // The alphabet frame is as wide as the panel less this.
    static constexpr int kFrameMargin = 131;

    explicit TuringAlphabetPanel(Workbench& bench, QWidget* parent = nullptr);

    QLineEdit* Editor() const { return alphabetEdit_; }
    QFrame* Frame() const { return alphabetFrame_; }
    // alphabetMenu ("Очистить", "Спрятать"), opened on a right click on the panel
    // outside the editor; the main menu owns it.
    QMenu* Menu() const { return popupMenu_; }
    void SetPopupMenu(QMenu* menu) { popupMenu_ = menu; }

    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Edited(const QString& text);
    void ShowText(const QString& text);
    void ControlsChanged();

    Workbench& bench_;
    TuringMachine& turing_;
    QLabel* label_;
    QFrame* alphabetFrame_;
    QLineEdit* alphabetEdit_;
    QMenu* popupMenu_ = nullptr;
};
