#pragma once

#include "WebSearch.h"

namespace platform {

// Address of OpenStreetMap's search page for a text. The text is percent-encoded whole, so
// spaces, ampersands, "#" or line breaks in a place name stay part of the search.
QString mapSearchAddress(const QString& searchText);

// Opens the user's browser on the map search; the map shows the place with its coordinates.
class MapWebSearch final : public WebSearch {
public:
    void Search(const QString& searchText) override;
};

} // namespace platform
