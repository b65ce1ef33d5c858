#pragma once

#include "core/LocalText.h"
#include "localisation/CountryKeys.h"

class QObject;

// A control's caption, help text (tooltip), field text or window title together with the
// language it is written in. Whoever sets a text that is not a German design text (a country
// file, a text of our own) sets its language with it, so that a window hands the text on to
// speech in its language; a text set in any other way counts as German.
class ControlText
{
public:
    using Property = CountryKeys::Property;

    // Every text is set as plain text. False when the control has no such property.
    static bool set(QObject *control, Property property, const LocalText &text);
    static LocalText get(const QObject *control, Property property);

    static LocalText caption(const QObject *control) { return get(control, Property::Caption); }
    static LocalText toolTip(const QObject *control) { return get(control, Property::ToolTip); }
    static bool setCaption(QObject *control, const LocalText &text) { return set(control, Property::Caption, text); }
    static bool setToolTip(QObject *control, const LocalText &text) { return set(control, Property::ToolTip, text); }
};
