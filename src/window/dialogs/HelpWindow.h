#pragma once
// The program's help viewer: a window of its own that shows the help topics
// kept as HTML pages in the application's resources, one page per context
// number (10 is the contents). In the English interface it shows the English
// copy of a page (help/en/, same names) where there is one. It is created
// with the main window, hidden, and raised at a topic on request; it never
// blocks the caller.

#include <QWidget>

#include "core/port/HelpTopics.h"

class QTextBrowser;

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int ContentsTopic = HelpTopic::Contents;

    explicit HelpWindow(QWidget* parent = nullptr);

    static bool HasTopic(int context);
    // Shows the window at the topic; an unknown context shows the contents.
    void ShowTopic(int context);
    // The context number of the page shown, or 0 for a page that is not a topic.
    int CurrentTopic() const;
    QTextBrowser* Browser() const { return browser_; }

private:
    static QUrl TopicUrl(int context);

    QTextBrowser* browser_ = nullptr;
};
