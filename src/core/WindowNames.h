#pragma once

// The design names of the seven windows. Country files, the tray menu and the requests of the
// program state address windows by these names; each window carries its own as object name.
struct WindowNames
{
    static constexpr const char *kStarter = "starter";  // the first-run window
    static constexpr const char *kTray = "halmorix";    // owns the tray icon and its menu
    static constexpr const char *kCountry = "Form2";    // the country window
    static constexpr const char *kMain = "vodozaduda1"; // the main translator window
    static constexpr const char *kSpeaker = "Form1";    // the speaker window
    static constexpr const char *kHelp = "hilfe1";      // the help window
    static constexpr const char *kSettings = "Logox4";  // the speech settings window
};
