#pragma once

#include <functional>
#include <utility>

// The general error handler: runs one event handler, and if it throws, shows the message through
// the platform seam and returns. The rest of that handler is skipped; the program goes on.
void runGuarded(const std::function<void()> &body);

// Wraps a member handler for connect(): connect(b, &QPushButton::clicked, this,
// handler(this, &TForm1::Button9Click)). Signal arguments the handler does not take are dropped.
template<class Obj, class... Args>
auto handler(Obj *obj, void (Obj::*fn)(Args...))
{
    return
        [obj, fn](Args... args) { runGuarded([&] { (obj->*fn)(std::forward<Args>(args)...); }); };
}
