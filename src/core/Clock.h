#pragma once

#include <QDateTime>
#include <functional>

// The one source of "now". Tests replace it to stand at 22:30 or on 31 December.
namespace Clock {

QDateTime now();
QDate today();
void setForTests(std::function<QDateTime()> source);
void setFixedForTests(const QDateTime &moment);
void reset();

} // namespace Clock
