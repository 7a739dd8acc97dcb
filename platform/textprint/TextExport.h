#pragma once

#include "textprint/PrintSetup.h"
#include "textprint/TextDocument.h"

#include <QByteArray>
#include <QString>

namespace zedera {

// The pages of the set-up's range as plain text: each page's rows up to its last written one, a
// form feed between pages.
QString plainText(const TextDocument &document, const PrintSetup &setup = {});
// Writes plainText as UTF-8, whole or not at all; tells the user and returns false on failure.
bool writePlainText(const TextDocument &document, const QString &path, const PrintSetup &setup);

// Accented letters as the dot-matrix printer receives them: the letter without its accent
// ("Ç" -> "C", "ã" -> "a"), the ordinals as letters, anything else outside ASCII as "?".
QByteArray transliterate(const QString &text);

// The pages of the set-up's range in ESC/P codes for an Epson-compatible dot-matrix printer:
// page length of the document's rows at 6 lines per inch, each text at its exact horizontal
// position (ESC $), bold, italic, underline, expanded and the four pitches switched around it, a
// form feed after each page.
QByteArray epsonBytes(const TextDocument &document, const PrintSetup &setup = {});
// Sends epsonBytes (as many copies as asked) to the set-up's target: "LPT1".."LPT3" stand for the
// parallel ports (/dev/lp0..), a path is written as a device or file, any other name is a print
// queue taken raw by `lp`. Tells the user and returns false on failure.
bool sendEpson(const TextDocument &document, const PrintSetup &setup);

} // namespace zedera
