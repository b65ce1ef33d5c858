#pragma once

#include "localisation/CountryKeys.h"

#include <QString>

class ProgramState;
class QObject;

// Applies a country file to every window: the texts of the key table in its order, the texts of
// our own keys, and the font face of "Keyschrift" on the font list; the interface language and
// the texts of our own keys go into the program state. Every text is set with the file's
// language beside it (ControlText); a text of our own that the file leaves out stays German.
// Windows are found by name and loaded (not shown) when they are not loaded yet. Each key
// is read from the file anew, so applying a file twice gives what applying it once gives.
class CountryApply
{
public:
    // Whatever is missing (file, section, key) is applied as an empty text. A row whose
    // window or control cannot be reached, or cannot take the property, is skipped alone.
    static void apply(const QString &file, const QString &section, ProgramState &state);
};
