#pragma once

#include <QString>

#include <cstdint>
#include <functional>

class OfferArea;

// The program's web links: the maker's and the program's pages, opened in the user's browser.
namespace modHelp {

enum LinkKind {
    LinkHome,
    LinkHelp,
    LinkUpdate,
    LinkDonate,
    LinkFullBrand,
    LinkCoBrand,
    LinkSoftwareSite
};

// The three base addresses chosen at build time: scheme and host, no trailing slash.
QString MainSite();    // the maker's discussion-forum site
QString HelpSite();    // the maker's site with the offer and donation pages
QString ProgramSite(); // this program's own site
// Host name of the main site as the banner and the refer-a-friend window name it.
QString MainSiteHost();

QString LinkAddress(LinkKind kind);

// Hands an address to the user's default browser; never waits, never reports a failure.
void OpenAddress(const QString& address);
void OpenLink(LinkKind kind);

// The offer pick. A draw r in [0, 1) gives r * 6 + 1 in single precision, rounded to the
// nearest integer with halves to the even neighbour: 1 to 7, where 1 needs r below about
// 1/12 and 7 needs r above about 11/12.
std::int16_t OfferPick(float r);

// Last result of the offer pick; 0 until the first pick.
extern std::int16_t intCoBrandRandomNumber;

using RandomSource = std::function<float()>;

// Draws once and brings an offer to the front of the offer area: 2, 4 or 6 the full-brand
// offer, 1, 3 or 5 the co-brand offer; 7 leaves the area as it is.
void CoBrand_Randomize(OfferArea& offers, const RandomSource& draw);

} // namespace modHelp
