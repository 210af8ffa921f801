// Start-up to the splash on screen: starts a program and polls the screen
// until the splash picture's pixels show in its window, timed from process
// creation. One poller measures both programs alike.
#pragma once

class BenchStartup {
public:
    // The expected pixels come from this module's copy of the splash picture.
    BenchStartup();
    // Milliseconds, or a negative number when the splash did not show in time.
    double Measure(const char* program, const char* folder) const;

private:
    static const int kSamples = 9;
    int fX[kSamples];
    int fY[kSamples];
    unsigned long fColour[kSamples];
};
