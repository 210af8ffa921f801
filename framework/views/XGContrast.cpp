#include "views/XGContrast.h"

#include <windows.h>

XGContrast::Override XGContrast::gOverride = XGContrast::kSystem;
bool XGContrast::gKnown = false;
bool XGContrast::gHigh = false;

bool XGContrast::IsHigh()
{
    if (gOverride != kSystem)
        return gOverride == kOn;
    // Asked on every colour the drawing maps, so kept between changes.
    if (!gKnown) {
        HIGHCONTRASTW contrast = {};
        contrast.cbSize = sizeof contrast;
        gHigh = SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0)
            && (contrast.dwFlags & HCF_HIGHCONTRASTON);
        gKnown = true;
    }
    return gHigh;
}

void XGContrast::SettingsChanged()
{
    gKnown = false;
}

void XGContrast::SetOverride(Override value)
{
    gOverride = value;
    gKnown = false;
}
