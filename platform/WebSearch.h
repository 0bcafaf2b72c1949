#pragma once

#include <QString>

namespace platform {

// Shows the user a web search for a text (the place-name lookup). The site address is the
// program's home page; the search itself needs nothing from it.
class WebSearch {
public:
    virtual ~WebSearch() = default;
    virtual void Search(const QString& searchText, const QString& siteAddress) = 0;
};

} // namespace platform
