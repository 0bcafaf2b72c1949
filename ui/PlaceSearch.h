#pragma once

#include <QString>

// The text the latitude and longitude lookup searches the map for.
namespace PlaceSearch {

// Characters taken from each place box at most; a surrogate pair counts as one. Three boxes
// of this length keep the search address a few kilobytes long at most, far below what a
// system passes to a browser.
constexpr qsizetype LongestEntry = 200;

// The first LongestEntry characters of `entry`; a surrogate pair is never split.
QString Capped(const QString& entry);

// City, state and country, each capped, separated by single spaces and followed by
// " Latitude Longitude".
QString SearchText(const QString& city, const QString& state, const QString& country);

} // namespace PlaceSearch
