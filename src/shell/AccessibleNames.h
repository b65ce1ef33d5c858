#pragma once

class QWidget;

// Gives every control of a window a name a screen reader can say: its caption where it has
// one (a label always says the text it shows now); otherwise the words of its help text (its tooltip), or at the least
// its design name. Run again after the help texts changed (a country file applied).
class AccessibleNames
{
public:
    static void give(QWidget &window);
};
