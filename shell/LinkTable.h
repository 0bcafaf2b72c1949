#pragma once

#include "modHelp.h"

#include <array>

// Where each link kind leads: one of the three base addresses and a fixed path.
namespace modHelp {

enum class Site { Main, Help, Program };

struct LinkEntry {
    LinkKind kind;
    Site site;
    const char* path;
};

inline constexpr std::array<LinkEntry, 7> linkTable{{
    {LinkHome, Site::Main, ""},
    {LinkSoftwareSite, Site::Main, "/sorvanesoftwares"},
    {LinkDonate, Site::Help, "/donate.html"},
    {LinkFullBrand, Site::Help, "/fully-branded.html"},
    {LinkCoBrand, Site::Help, "/co-brand.html"},
    {LinkHelp, Site::Program, "/qv-free-vantrel-help.html"},
    {LinkUpdate, Site::Program, "/download-qv-free-vantrel.html"},
}};

} // namespace modHelp
