#pragma once

#include <QString>
#include <functional>

class QAbstractButton;
class QComboBox;
class QProgressBar;

// Control behaviour the handlers rely on beyond what the toolkit gives.

// Selects position index (-1 clears the selection and the text). A position
// outside -1..count-1 throws the invalid-property-value failure and keeps
// the selection.
void setListIndex(QComboBox* list, int index);

// Sets the bar; a value outside 0..100 throws the invalid-property-value
// failure and keeps the bar as it is.
void setBarValue(QProgressBar* bar, double value);

// A check box's value: 1 checked, 0 unchecked. Setting a different value
// runs its click handling (handlers connect to the value change); setting
// the value it has runs nothing.
int checkValue(const QAbstractButton* box);
void setCheckValue(QAbstractButton* box, int value);

// The first n characters of a text, fewer when it is shorter.
QString leadingChars(const QString& text, int n);

// Runs an assignment to a control; a value the control rejects (the
// invalid-property-value failure) is skipped as if the assignment had worked.
void skipRejectedValue(const std::function<void()>& assignment);
