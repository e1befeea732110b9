#include "core/Clock.h"

namespace {
std::function<QDateTime()> &source()
{
    static std::function<QDateTime()> s;
    return s;
}
} // namespace

namespace Clock {

QDateTime now()
{
    return source() ? source()() : QDateTime::currentDateTime();
}

QDate today()
{
    return now().date();
}

void setForTests(std::function<QDateTime()> s)
{
    source() = std::move(s);
}

void setFixedForTests(const QDateTime &moment)
{
    source() = [moment] { return moment; };
}

void reset()
{
    source() = nullptr;
}

} // namespace Clock
