#pragma once

class QWidget;

// Asks the window system for a dark title bar on `window`. Where the system offers no
// such request the call does nothing; the answer is never checked.
void SetDarkTitleBar(QWidget *window, bool enable);
