#pragma once
// Who is told when a status panel's text changes (the window's status bar).

class StatusListener {
public:
    virtual ~StatusListener() = default;
    virtual void StatusPanelChanged(int panel) = 0;
};
