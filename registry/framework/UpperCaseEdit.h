#pragma once

#include <QLineEdit>

namespace zedera::registry {

// Makes a line edit turn what is typed into upper case, as every text of the registries is kept.
void makeUpperCase(QLineEdit *edit);
// Lets a line edit take digits only (backspace and editing keys still work), at most maxLength.
void makeDigitsOnly(QLineEdit *edit, int maxLength);
// Removes the digits-only rule.
void clearDigitsOnly(QLineEdit *edit);
// The digits of a text, in order ("12.345.678/0001-90" -> "12345678000190").
QString digitsOf(const QString &text);

} // namespace zedera::registry
