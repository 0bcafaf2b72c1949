#include "modHelp.h"

#include "LinkTable.h"
#include "OfferArea.h"

#include "platform/RunStep.h"
#include "platform/Services.h"
#include "platform/UrlOpener.h"

#include <QUrl>

#include <cmath>

namespace modHelp {

std::int16_t intCoBrandRandomNumber = 0;

QString MainSite() {
    return QStringLiteral(VANTREL_MAIN_SITE);
}
QString HelpSite() {
    return QStringLiteral(VANTREL_HELP_SITE);
}
QString ProgramSite() {
    return QStringLiteral(VANTREL_PROGRAM_SITE);
}

QString MainSiteHost() {
    return QUrl(MainSite()).host();
}

namespace {
QString siteAddress(Site site) {
    switch (site) {
    case Site::Main:
        return MainSite();
    case Site::Help:
        return HelpSite();
    case Site::Program:
        return ProgramSite();
    }
    return {};
}
} // namespace

QString LinkAddress(LinkKind kind) {
    for (const LinkEntry& entry : linkTable) {
        if (entry.kind == kind) {
            return siteAddress(entry.site) + QString::fromLatin1(entry.path);
        }
    }
    return {};
}

void OpenAddress(const QString& address) {
    // Opening a page never reports anything; the program carries on.
    runStep([&address] { platform::services().urls->open(address); });
}

void OpenLink(LinkKind kind) {
    OpenAddress(LinkAddress(kind));
}

std::int16_t OfferPick(float r) {
    // Two statements keep each step in single precision, rounded on its own.
    const float scaled = r * 6.0F;
    const float shifted = scaled + 1.0F;
    // nearbyint rounds in the default mode: to nearest, halves to even.
    return static_cast<std::int16_t>(std::nearbyint(shifted));
}

void CoBrand_Randomize(OfferArea& offers, const RandomSource& draw) {
    intCoBrandRandomNumber = OfferPick(draw());
    switch (intCoBrandRandomNumber) {
    case 2:
    case 4:
    case 6:
        offers.bringToFront(OfferArea::FullBrand);
        break;
    case 1:
    case 3:
    case 5:
        offers.bringToFront(OfferArea::CoBrand);
        break;
    default:
        break;
    }
}

} // namespace modHelp
