#pragma once
// The seven regions of the region loads, in the order of their tags: what the commands show,
// how many tabs a load names after the region, and the regions of the currency table that
// each stands for. The command table, the tab names and the button layout all read it.
#include <array>

struct RegionDef {
    int tag;                   // 1 .. 7, the tag of its commands and menu items
    const char* name;          // the name the region load goes by ("Middle East")
    int namedTabs;             // tabs named after it ("Europe 1" ... "Europe 4"); one has no number
    std::array<const char*, 4> parts;   // the table's regions it stands for; none: its own name
    const char* actionName;    // its command
    const char* caption;       // in the main menu
    const char* popupCaption;  // in the window's popup
    const char* hint;
};

inline constexpr std::array<RegionDef, 7> kRegions = {{
    {1, "Africa", 3, {"North Africa", "South Africa", "East Africa", "West Africa"}, "ActionAfica", "&Afica", "&Africa",
     "Load Africa"},
    {2, "America", 2, {"North America", "Central America", "South America"}, "ActionAmerica", "A&merica", "A&merica",
     "Load America"},
    {3, "Asia", 3, {}, "ActionAsia", "A&sia", "A&sia", "Load Asia"},
    {4, "Caribbean", 2, {}, "ActionCaribbean", "&Caribbean", "&Carribbean", "Load Caribbean"},
    {5, "Europe", 4, {}, "ActionEurope", "&Europe", "&Europe", "Load Europe"},
    {6, "Middle East", 1, {}, "ActionMiddleEast", "&MiddleEast", "M&iddle East", "Load Middle East"},
    {7, "Oceania", 2, {}, "ActionOceania", "&Oceania", "Oceania", "Load Oceania"},
}};
