#include "window/turing/TuringTablePanel.h"

#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <algorithm>

#include "core/text/Cp1251.h"
#include "core/text/Language.h"
#include "core/turing/TuringMachine.h"
#include "core/workbench/Workbench.h"
#include "window/turing/TuringTableView.h"

namespace {

// The memo's text with "\n" between lines, as the model keeps it. The raw
// text is read rather than the plain one, which turns a no-break space
// (a character of the code page) into a space.
QString MemoText(const QPlainTextEdit& memo) {
    QString text = memo.document()->toRawText();
    for (QChar& c : text) {
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator) {
            c = u'\n';
        }
    }
    return text;
}

}  // namespace

TuringTablePanel::TuringTablePanel(Workbench& bench, QWidget* parent)
    : QWidget(parent),
      turing_(bench.Turing()),
      table_(new TuringTableView(bench, this)),
      splitter_(new QWidget(this)),
      comments_(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("Panel5"));

    splitter_->setObjectName(QStringLiteral("Splitter"));
    splitter_->setCursor(Qt::SplitHCursor);
    splitter_->setToolTip(Tr("TuringTablePanel", "Шторка"));
    splitter_->setStatusTip(Tr("TuringTablePanel", "Шторка"));
    splitter_->setAutoFillBackground(true);
    splitter_->installEventFilter(this);

    comments_->setObjectName(QStringLiteral("memCommTur"));
    const QString hint = Tr("TuringTablePanel", "Сюда можно записать пояснения к задаче");
    comments_->setToolTip(hint);
    comments_->setStatusTip(hint);
    comments_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    comments_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    comments_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    ShowComments(turing_.Comments());
    connect(comments_, &QPlainTextEdit::textChanged, this, &TuringTablePanel::CommentsEdited);
    connect(&turing_, &TuringMachine::CommentsChanged, this, &TuringTablePanel::ShowComments);
    connect(&turing_, &TuringMachine::SplitterPosChanged, this, &TuringTablePanel::LayOut);

    resize(TuringMachine::kStartSplitterPos + 200, 200);
    LayOut();
}

void TuringTablePanel::LayOut() {
    const int pos = turing_.SplitterPos();
    const int h = height();
    table_->setGeometry(0, 0, std::max(0, pos), h);
    splitter_->setGeometry(pos, 0, 1, h);
    const int memoLeft = pos + splitter_->width();
    comments_->setGeometry(memoLeft, 0, std::max(0, width() - memoLeft), h);
}

void TuringTablePanel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int limit = width() - TuringMachine::kSplitterMargin;
    // A panel narrower than both margins has not been laid out yet; moving
    // the splitter for it would lose the user's place for good.
    if (width() > 2 * TuringMachine::kSplitterMargin && limit < turing_.SplitterPos()) {
        turing_.SetSplitterPos(limit);
    }
    LayOut();
}

bool TuringTablePanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == splitter_ && event->type() == QEvent::MouseMove) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->buttons() & Qt::LeftButton) {
            const int left = splitter_->x() + int(mouse->position().x());
            turing_.SetSplitterPos(TuringMachine::ClampSplitterPos(left, width()));
            LayOut();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TuringTablePanel::CommentsEdited() {
    if (showing_) {
        return;
    }
    const QString typed = MemoText(*comments_);
    const QString clean = Cp1251::Sanitize(typed);
    if (clean != typed) {
        // A character the code page cannot hold is shown as the "?" a file
        // would store.
        const int caret = comments_->textCursor().position();
        ShowComments(clean);
        QTextCursor cursor = comments_->textCursor();
        cursor.setPosition(std::min(caret, int(clean.size())));
        comments_->setTextCursor(cursor);
    }
    turing_.SetComments(clean);
}

void TuringTablePanel::ShowComments(const QString& text) {
    if (MemoText(*comments_) == text) {
        return;
    }
    showing_ = true;
    comments_->setPlainText(text);
    showing_ = false;
}
