// Whether the user asked the system for high contrast. The framework's own
// drawing then takes every colour from the system's scheme: the palette's
// black and white become the window text and window colours
// (XGDraw::ColorFromPalette), so text, fields, lists and frames follow the
// scheme the user chose. Pictures are drawn as they are.
#pragma once

class XGContrast {
public:
    // The system's setting, asked once and then kept until SettingsChanged.
    static bool IsHigh();
    // The window procedures call this on WM_SETTINGCHANGE and
    // WM_SYSCOLORCHANGE: the next question asks the system again.
    static void SettingsChanged();

    enum Override { kSystem = -1, kOff = 0, kOn = 1 };
    // Tests force the answer (kOn, kOff); kSystem asks the system again.
    static void SetOverride(Override value);

private:
    static Override gOverride;
    static bool gKnown;
    static bool gHigh;
};
