#pragma once

#include <QtGlobal>

#include "aids/NumberText.h"

#include <QString>

#include <optional>

class QWidget;

// Referrals: the five texts of the refer-a-friend window, their checks and the request that
// hands them to the maker's referral script in the user's browser.
namespace modTellAFriend {

// Initial texts of the five boxes, put back when a box is left empty.
inline constexpr const char* placeholderName = QT_TRANSLATE_NOOP("frmReferFriend", "Your Name");
inline constexpr const char* placeholderEmail =
    QT_TRANSLATE_NOOP("frmReferFriend", "Your Email Address");
inline constexpr const char* placeholderFriendName =
    QT_TRANSLATE_NOOP("frmReferFriend", "Friend's Name");
inline constexpr const char* placeholderFriendEmail =
    QT_TRANSLATE_NOOP("frmReferFriend", "Friend's Email Address");
inline constexpr const char* placeholderMessage =
    QT_TRANSLATE_NOOP("frmReferFriend", "Your Message");

struct ReferralInput {
    QString referrerName;
    QString referrerEmail;
    QString referralMessage;
    QString friendName;
    QString friendEmail;
};

// The texts of the last submit.
extern ReferralInput referral;

// Removes leading and trailing spaces (character 32 only); tabs and line breaks stay.
using NumberText::TrimSpaces;

// The texts as the boxes hold them, trimmed.
ReferralInput Capture(const QString& name, const QString& email, const QString& message,
                      const QString& friendName, const QString& friendEmail);

// The e-mail checks of a submit: the message of the first that fails, if any.
std::optional<QString> EmailProblem(const ReferralInput& input);
// The completeness checks before sending: the message of the first that fails, if any.
std::optional<QString> ReferralProblem(const ReferralInput& input);

// The referral script's address with taf1 to taf6, every value percent-encoded so that no
// text can add, rewrite or cut off a key ("&", "=", "#", "+", line breaks) and non-ASCII
// letters arrive as UTF-8.
QString ReferralAddress(const ReferralInput& input);

// Checks `referral` and opens the request address; a failing check shows its message over
// `owner` (the refer-a-friend window, which stays on top of ownerless boxes).
void SendReferral(QWidget* owner = nullptr);

} // namespace modTellAFriend
