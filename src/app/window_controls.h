#pragma once

struct Form1;
class QWidget;

// Creates every control of the window with its name, caption, initial
// content and place in the fixed 529 x 473 client area.
void buildWindowControls(QWidget* window, Form1& f);
