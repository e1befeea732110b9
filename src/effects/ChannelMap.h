#pragma once

#include <QImage>
#include <array>
#include <cstdint>

// A value map per channel, indexed by the channel value; [0] blue, [1] green, [2] red as the
// bytes lie in a 24-bit row.
using ChannelTable = std::array<uint8_t, 256>;

// A 24-bit copy of the source with every byte passed through the table of its channel.
QImage mapChannels(const QImage &source, const ChannelTable tables[3]);
