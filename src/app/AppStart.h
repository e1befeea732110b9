#pragma once

#include <QImage>
#include <QList>
#include <QWidget>
#include <future>
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

    // After the QApplication: names, style and resources; the window icon starts decoding. Waits
    // for the font configuration, which the window's first label needs.
    void prepare();
    // Gives the program its icon, decoded meanwhile, and shows the window.
    void show(QWidget &window);

private:
    std::thread m_fonts;
    std::future<QList<QImage>> m_icons;
};
