#include "modTellAFriend.h"

#include "modHelp.h"

#include "platform/MessageBox.h"
#include "platform/Services.h"

#include <QCoreApplication>
#include <QUrl>

#include <array>
#include <utility>

namespace modTellAFriend {

ReferralInput referral;

ReferralInput Capture(const QString& name, const QString& email, const QString& message,
                      const QString& friendName, const QString& friendEmail) {
    return {TrimSpaces(name), TrimSpaces(email), TrimSpaces(message), TrimSpaces(friendName),
            TrimSpaces(friendEmail)};
}

namespace {
bool looksLikeAddress(const QString& email, QChar mark) {
    return email.contains(mark);
}

bool missing(const QString& text, const char* placeholder) {
    // The box shows its placeholder in the language in force.
    return text.isEmpty() || text == QCoreApplication::translate("frmReferFriend", placeholder);
}
} // namespace

std::optional<QString> EmailProblem(const ReferralInput& input) {
    if (input.friendEmail == input.referrerEmail) {
        return QCoreApplication::translate("modTellAFriend",
                                           "Please Enter Distinct Email Addresses");
    }
    for (const QChar mark : {QLatin1Char('@'), QLatin1Char('.')}) {
        if (!looksLikeAddress(input.referrerEmail, mark) ||
            !looksLikeAddress(input.friendEmail, mark)) {
            return QCoreApplication::translate("modTellAFriend",
                                               "Please Enter Proper Email Address");
        }
    }
    return std::nullopt;
}

std::optional<QString> ReferralProblem(const ReferralInput& input) {
    const std::array<std::pair<bool, const char*>, 5> checks{{
        {missing(input.referrerName, placeholderName),
         QT_TRANSLATE_NOOP("modTellAFriend", "Please Enter Your Name")},
        {missing(input.referrerEmail, placeholderEmail),
         QT_TRANSLATE_NOOP("modTellAFriend", "Please Enter Your Email")},
        {missing(input.referralMessage, placeholderMessage),
         QT_TRANSLATE_NOOP("modTellAFriend", "Please Enter Your Message")},
        {missing(input.friendName, placeholderFriendName),
         QT_TRANSLATE_NOOP("modTellAFriend", "Please Enter Your Friend's Name")},
        {missing(input.friendEmail, placeholderFriendEmail),
         QT_TRANSLATE_NOOP("modTellAFriend", "Please Enter Your Friend's Email")},
    }};
    for (const auto& [failed, message] : checks) {
        if (failed) {
            return QCoreApplication::translate("modTellAFriend", message);
        }
    }
    return std::nullopt;
}

QString ReferralAddress(const ReferralInput& input) {
    const std::array<std::pair<const char*, QString>, 6> values{{
        {"taf1", input.referrerName},
        {"taf2", input.referrerEmail},
        {"taf3", input.referralMessage},
        {"taf4", input.friendName},
        {"taf5", input.friendEmail},
        {"taf6", modHelp::ProgramSite() + QLatin1Char('/')},
    }};
    QString address = modHelp::MainSite() + QStringLiteral("/vorq-refer-a-friend.php");
    QChar separator = QLatin1Char('?');
    for (const auto& [key, value] : values) {
        address += separator + QString::fromLatin1(key) + QLatin1Char('=') +
                   QString::fromLatin1(QUrl::toPercentEncoding(value));
        separator = QLatin1Char('&');
    }
    return address;
}

void SendReferral(QWidget* owner) {
    if (const auto problem = ReferralProblem(referral)) {
        platform::services().messages->notify(owner, *problem, platform::MessageIcon::Stop);
        return;
    }
    modHelp::OpenAddress(ReferralAddress(referral));
}

} // namespace modTellAFriend
