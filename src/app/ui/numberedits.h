#pragma once

#include "numbertext.h"

class QLineEdit;

// Attaches the number-text behaviour to a line edit:
// - money edits: on entering, the grouping dots go and all is selected; on
//   leaving, the text becomes FormatUang;
// - quantity and percent edits: the key filter, the same entering, and
//   FormatAngka on leaving.
// Keys that carry no character (Enter, arrows, Esc) pass to the window.
namespace NumberEdits {

// Which typed characters reach the edit: any, or the key filter for
// unsigned numbers, or the filter that also lets "-" through.
enum class Keys { Any, Unsigned, AllowMinus };

void attachMoney(QLineEdit *edit, Keys keys = Keys::Any);
void attachQuantity(QLineEdit *edit, Keys keys = Keys::Unsigned);

// The handlers themselves, for windows that call them directly.
void EditAngkaEnter(QLineEdit *edit);
void EditUangExit(QLineEdit *edit);
void EditAngkaExit(QLineEdit *edit);

} // namespace NumberEdits

// Limits what a user can type into an edit to `length` characters. Text the
// program writes with setText() is never cut (unlike QLineEdit::setMaxLength).
void limitTyping(QLineEdit *edit, int length);
