#pragma once

#include <QtGlobal>

#include <array>

// The refer-a-friend window's promotional texts, English sources in the context
// "frmReferFriend"; "%1" stands for the forum site's host name.
namespace ReferFriendTexts {

inline constexpr std::array<const char*, 4> promotions{{
    QT_TRANSLATE_NOOP(
        "frmReferFriend",
        "Programs like this one can only be created and maintained with the support of their "
        "users, and the best support you can give is to visit %1 regularly and take part in its "
        "discussions."),
    QT_TRANSLATE_NOOP(
        "frmReferFriend",
        "We cannot support and maintain programs like this one without your regular visits. "
        "Please visit %1 often and join in the discussions there."),
    QT_TRANSLATE_NOOP(
        "frmReferFriend",
        "%1 is a free online discussion forum. Please visit it regularly and take part in its "
        "discussions: your visits help us develop and maintain this program."),
    QT_TRANSLATE_NOOP(
        "frmReferFriend",
        "%1 needs your help to maintain these programs and to develop more of them. Please visit "
        "it regularly and take part in its discussions."),
}};

// Index of the text the window shows before a random one is chosen.
inline constexpr int designTimePromotion = 1;

inline constexpr const char* otherSoftware = QT_TRANSLATE_NOOP(
    "frmReferFriend",
    "If you have enjoyed this software you will surely be interested in our other Sorvane "
    "Softwares. What began as a single program has grown into a large collection of programs "
    "on astrology, psychic subjects, tarot, numerology and the occult. They are simple, easy "
    "to use, entertaining and informative. Try them out, and share the experience with your "
    "friends and family.");

} // namespace ReferFriendTexts
