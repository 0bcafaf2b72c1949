// PROVISIONAL: replaced by the shell work (map search address, percent-encoding, tests).
#include "Production.h"

namespace platform {
namespace {
class MapWebSearch final : public WebSearch {
public:
    void Search(const QString&, const QString&) override {}
};
} // namespace
WebSearch& productionWebSearch() {
    static MapWebSearch layer;
    return layer;
}
} // namespace platform
