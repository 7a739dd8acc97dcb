#pragma once

#include <QString>

class QLineEdit;
class QWidget;

namespace zedera {

// Small behaviours of the program's text fields, shared by the start-up windows.

// What is typed turns into upper case (or lower case); at most maxLength characters when given.
void campoMaiusculo(QLineEdit *edit, int maxLength = 0);
void campoMinusculo(QLineEdit *edit, int maxLength = 0);
// Only the digits 0 to 9 are accepted, at most maxLength of them.
void campoNumerico(QLineEdit *edit, int maxLength);
// The text of a field with an input mask, punctuation included, or an empty text when no digit
// has been typed: an untouched "(99) 9999-9999" is no phone number.
QString textoMascarado(const QLineEdit *edit);
// True when every position of the mask has been filled.
bool mascaraCompleta(const QLineEdit *edit);

// Enter in any field of `janela` moves the focus to the next control, as Tab does; buttons keep
// Enter for pressing them.
void enterAvancaCampo(QWidget *janela);

} // namespace zedera
