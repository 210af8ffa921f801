// Opening a large file as Notes does: its time and the memory it needs at its
// peak. The peak a process reaches is the highest of its whole life, so each
// open runs in a process of its own, this program started again with
// --open-child.
#pragma once

#include <string>

class BenchApp;

class BenchOpen {
public:
    // A file of `size` bytes in lines of 63 characters and CR LF, in the
    // temporary folder; removed with this object.
    explicit BenchOpen(size_t size);
    ~BenchOpen();
    BenchOpen(const BenchOpen&) = delete;
    BenchOpen& operator=(const BenchOpen&) = delete;

    const std::string& Path() const { return fPath; }
    size_t Size() const { return fSize; }

    // One open in a child process of `program`: false when it failed;
    // otherwise the milliseconds it took and how far, in megabytes, the
    // child's peak working set rose above its working set before it.
    bool Measure(const char* program, double* milliseconds, double* peakMegabytes) const;

    // The child's side: opens `path` into Notes' text view in a window and
    // writes "milliseconds peak-megabytes" to `result`. 0 on success.
    static int RunChild(BenchApp& app, const char* path, const char* result);

private:
    std::string fPath;
    size_t fSize;
};
