#pragma once

#include "core/Fixed4.h"

#include <QDateTime>
#include <QString>
#include <array>
#include <optional>

// Wet salting of fish: the brine concentration from the salting hours and the water
// temperature, the salt and water for a weight of fish, a proposal when the brine would be
// weaker than 4 %, and the time at which salting ends.

// Index i of the hours list means i + 4 hours; index j of the temperature list j + 3 degrees.
constexpr int kFishFirstHours = 4;
constexpr int kFishFirstTemperature = 3;

// The list items: "4 godziny" ... "24 godziny"; "3", "4 ", "5 ", "6" ... "17".
QStringList fishHoursItems();
QStringList fishTemperatureItems();

// A = 15 - (i + 3) / 3, B = j / 3, C = A - B, each held as Fixed4.
struct FishConcentration
{
    Fixed4 a;
    Fixed4 b;
    Fixed4 c;
};
FishConcentration fishConcentration(int hoursIndex, int temperatureIndex);

// Which control has the keyboard focus while the calculation runs: a weak brine is questioned
// only when the user has just changed one of the two lists.
enum class FishFocus { Other, HoursList, TemperatureList };

struct FishSaltingInput
{
    QString fish = QStringLiteral("1"); // Edit10, kg; empty counts as 0
    int hoursIndex = 0; // ComboBox2
    int temperatureIndex = 0; // ComboBox3
    FishFocus focus = FishFocus::Other;
};

// The two label texts that depend on the lists.
struct FishSaltingTexts
{
    QString concentration; // e.g. "14,0 %."
    QString salt; // e.g. "162,8 g"
};

// What the question offers; on "Tak" the window sets the lists to these indexes (only one of
// them differs from the input) and writes `texts`.
struct FishSaltingProposal
{
    QString message; // two lines joined by a carriage return ("\r")
    int hoursIndex = 0;
    int temperatureIndex = 0;
    FishSaltingTexts texts;
};

struct FishSaltingResult
{
    QString water; // written first, before any question
    // For the current selection: written directly, or on "Nie". On "Anuluj" the window restores
    // both lists to the last accepted indexes and writes nothing more.
    FishSaltingTexts texts;
    // Set when the window must ask (brine below 4 % and a list has the focus).
    std::optional<FishSaltingProposal> proposal;
};

// Throws AppError for a fish text that is not a number; nothing is written then.
FishSaltingResult computeFishSalting(const FishSaltingInput &in);

inline const QString kFishProposalCaption = QStringLiteral("Komunikat");

// Colour of the temperature list by its index.
enum class WaterTemperatureBand { None, Cool, Warm, Hot };
WaterTemperatureBand waterTemperatureBand(int temperatureIndex);
// 0xRRGGBB; 0 for None (the list keeps its colour).
unsigned waterTemperatureRgb(WaterTemperatureBand band);

// The two seven-segment clocks: hours tens, hours units, minutes tens, minutes units.
struct FishClocks
{
    std::array<int, 4> now {};
    std::array<int, 4> end {};
    QString endDay; // "dziś" or "jutro"
};

inline const QString kToday = QStringLiteral("dziś");
inline const QString kTomorrow = QStringLiteral("jutro");

// End = now + (hoursIndex + 4) hours of real time.
FishClocks fishClocks(const QDateTime &now, int hoursIndex);
