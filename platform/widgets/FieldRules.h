#pragma once

#include <QString>

class QLineEdit;
class QWidget;

namespace zedera {

// Small rules for the program's text fields, shared by every window.

// What the user types turns into upper (or lower) case, the cursor staying where it was; at most
// maxLength characters when maxLength > 0. Text the program sets is shown as it is. The rule keeps
// the field's validator free, so a field may be upper case and digits-only at different times.
void makeUpperCase(QLineEdit *edit, int maxLength = 0);
void makeLowerCase(QLineEdit *edit, int maxLength = 0);

// Only the digits 0 to 9 can be typed (backspace and editing keys still work); at most maxLength of
// them when maxLength > 0. Replaces the field's validator.
void makeDigitsOnly(QLineEdit *edit, int maxLength);
// Removes the digits-only rule: deletes the field's validator.
void clearDigitsOnly(QLineEdit *edit);

// The digits of a text, in order ("12.345.678/0001-90" -> "12345678000190").
QString digitsOf(const QString &text);

// The text of a field with an input mask, punctuation included, or an empty text when no digit has
// been typed: an untouched "(99) 9999-9999" is no phone number.
QString maskedText(const QLineEdit *edit);
// True when every position of the field's mask has been filled.
bool maskFilled(const QLineEdit *edit);

// Enter in any field of `window` moves the focus to the next control, as Tab does; push buttons keep
// Enter for pressing them.
void enterActsAsTab(QWidget *window);

} // namespace zedera
