#pragma once

#include <QString>

namespace platform {

// Shows the user a web search for a text (the place-name lookup).
class WebSearch {
public:
    virtual ~WebSearch() = default;
    virtual void Search(const QString& searchText) = 0;
};

} // namespace platform
