#pragma once

// The pages of the main window, in tab order. Their numbers are the page indexes other code and
// the settings file have always used.
enum class PageId {
    WetCuring = 0,
    DryCuring = 1,
    Brine = 2,
    Fish = 3,
    Cookbook = 4,
};

constexpr int pageIndex(PageId page)
{
    return int(page);
}
