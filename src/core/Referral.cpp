#include "core/Referral.h"

#include "core/Platform.h"
#include "core/SitePages.h"
#include "core/TrimSpaces.h"

#include <QUrl>

#include <algorithm>

namespace {

const QString DistinctEmailsMessage = QStringLiteral("Please Enter Distinct Email Addresses");
const QString ProperEmailMessage = QStringLiteral("Please Enter Proper Email Address");

// Allowed as they stand inside a query value and meaningless to the site's parameter parsing.
const QByteArray KeptInQueryValues = QByteArrayLiteral(":/@");

QString queryValue(const QString& value)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(value, KeptInQueryValues));
}

} // namespace

const QString SupportMessages[4] = {
    QStringLiteral(
        "Lorewell Softwares, such as this can be created and maintained only with your support. The best way "
        "to support Lorewell is to visit Lorewell regularly and take part in the discussions and other "
        "activities on the board."),
    QStringLiteral("Visit Lorewell regularly. Support Lorewell by taking part in the discussions and other activities. "
                   "These softwares cannot be supported and maintained, without you regularly visiting Lorewell"),
    QStringLiteral("Lorewell is a FREE online discussion forum for all things mystic. To help Lorewell develop and "
                   "maintain this software visit Lorewell regularly."),
    QStringLiteral("Lorewell needs your help. All you need to do is visit Lorewell regularly and take part in the "
                   "various discussions and activites to help us maintain and develop more Lorewell Softwares."),
};

bool isUnfilled(const QString& trimmedText, const QString& placeholder)
{
    return trimmedText.isEmpty() || trimmedText == placeholder;
}

bool clearsOnFocus(const QString& text, const QString& placeholder)
{
    return trimSpaces(text) == placeholder;
}

bool restoresOnLeave(const QString& text)
{
    return trimSpaces(text).isEmpty();
}

std::optional<QString> emailProblem(const ReferralRecord& record)
{
    if (record.yourEmail == record.friendEmail)
        return DistinctEmailsMessage;
    const auto lacks = [&record](QChar c) { return !record.yourEmail.contains(c) || !record.friendEmail.contains(c); };
    if (lacks(QLatin1Char('@')) || lacks(QLatin1Char('.')))
        return ProperEmailMessage;
    return std::nullopt;
}

std::optional<QString> referralProblem(const ReferralRecord& record)
{
    if (isUnfilled(record.yourName, YourNamePlaceholder))
        return QStringLiteral("Please Enter Your Name");
    if (isUnfilled(record.message, MessagePlaceholder))
        return QStringLiteral("Please Enter Your Message");
    if (isUnfilled(record.friendName, FriendNamePlaceholder))
        return QStringLiteral("Please Enter Your Friend's Name");
    return std::nullopt;
}

QString referralUrl(const ReferralRecord& record)
{
    return SiteRoot + QStringLiteral("/astravida/ssd.php?page=lwms-refer-a-friend") + QStringLiteral("&taf1=")
        + queryValue(record.yourName) + QStringLiteral("&taf2=") + queryValue(record.yourEmail)
        + QStringLiteral("&taf3=") + queryValue(record.message) + QStringLiteral("&taf4=")
        + queryValue(record.friendName) + QStringLiteral("&taf5=") + queryValue(record.friendEmail)
        + QStringLiteral("&taf6=") + queryValue(SiteRoot + QStringLiteral("/astravida/"));
}

void submitReferral(Platform& platform, const ReferralRecord& record)
{
    if (const std::optional<QString> problem = referralProblem(record)) {
        platform.showMessage(*problem, MessageIcon::Critical);
        return;
    }
    platform.openUrl(referralUrl(record));
}

int supportMessageNumber(double draw)
{
    return std::clamp(int(draw * 4), 0, 3);
}
