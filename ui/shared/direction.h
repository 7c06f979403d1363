// Values, codes, ranges and networks are written left to right in every
// language. Under a language written from the right each is set apart from
// its sentence by Unicode's isolates (U+2066 ... U+2069), which keep it whole
// and in order however the sentence around it runs, as Qt's own handling of
// mixed directions does not ("4,7 Kohm" would read "Kohm 4,7"). Whatever
// the program puts on the clipboard goes there without them.
#pragma once

class QString;

// The run isolated left to right where the program reads from the right; as it is elsewhere.
QString leftToRight(const QString& run);

// A translated text with each value in it isolated: "1 %" in "EIA-96 code, 1 %".
QString valuesLeftToRight(const QString& text);

// The text as a paragraph read from the right where the program is so read:
// a selectable label takes its direction from its first letter, which may
// be a value's.
QString inWindowDirection(const QString& text);

// The text without isolates or direction marks.
QString withoutDirectionMarks(QString text);

// From now on the clipboard and the selection take the program's texts
// without direction marks, however they were copied (a label's selected text
// goes by Qt's own Copy).
void copyWithoutDirectionMarks();
