#pragma once

struct Form1;
class QWidget;

// What a keyboard or screen-reader user needs beyond the controls themselves.

// Gives every field the name of the label in front of it (the label becomes
// its buddy), names the controls that have no label of their own, and
// exposes each page as a grouping named after its tab.
void nameControls(Form1& f);

// Return presses a focused button; an empty field entered with Tab and a
// list's value are announced by Orca; the battery bar is a focus stop.
void makeKeyboardFriendly(QWidget* window, const Form1& f);

// Chains the tab order in reading order: the top row, the tab strip, each
// page's controls, the output box. Pages not in front are hidden, so Tab
// only reaches the visible page.
void chainTabOrder(QWidget* window, const Form1& f);

// Ctrl+Tab / Ctrl+PgDown and Ctrl+Shift+Tab / Ctrl+PgUp select the next and
// previous tab, wrapping around; the tab strip's own change handling then
// brings the page to the front. Focus on the page that leaves goes to the
// tab strip.
void addPageSwitchKeys(QWidget* window, const Form1& f);
