#pragma once

#include <thread>

// How the program starts, shared by main() and the start-up benchmark so that the benchmark
// measures what users get. What the first window does not need at once runs on worker threads
// while the application and the window are being built.
class AppStart
{
public:
    // Before the QApplication: reading the system's font configuration starts on a worker thread.
    AppStart();
    ~AppStart();
    AppStart(const AppStart &) = delete;
    AppStart &operator=(const AppStart &) = delete;

    // After the QApplication: names, style, resources and the window icon, decoded while the font
    // configuration is still being read. Waits for that, which the window's first label needs.
    void prepare();

private:
    std::thread m_fonts;
};
