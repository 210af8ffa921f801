#pragma once

// The record behind 'stat': a handler sets enabled and, for a checked item,
// checked. The asker presets mark (menu bar 0x12, tool bar 0x11).
struct XGMenuStatus {
    bool enabled = false;
    bool checked = false;
    char mark = 0;
};
