// Screen readers that listen hear when a check box or radio button changes its state and when a
// slider, dial or scroll bar moves: the gallery compares the shown page's controls with what it
// told last, after every event and at every change during a drag.
#pragma once

// The page now shown is taken as it is: nothing of it is news.
void ForgetReaderNews();
// Tells of each control of the shown page that changed since.
void TellReadersWhatChanged();
