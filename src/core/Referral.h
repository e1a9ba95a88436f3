#pragma once

#include <QString>

#include <optional>

class Platform;

// The five texts of the tell-a-friend form, each trimmed of spaces.
struct ReferralRecord
{
    QString yourName;
    QString yourEmail;
    QString message;
    QString friendName;
    QString friendEmail;
};

inline const QString YourNamePlaceholder = QStringLiteral("Your Name");
inline const QString YourEmailPlaceholder = QStringLiteral("Your Email Address");
inline const QString MessagePlaceholder = QStringLiteral("Your Message");
inline const QString FriendNamePlaceholder = QStringLiteral("Friend's Name");
inline const QString FriendEmailPlaceholder = QStringLiteral("Friend's Email Address");
// What the hidden message box holds from the start; the line break keeps it apart from its placeholder.
inline const QString InitialMessage = MessagePlaceholder + QStringLiteral("\r\n");

inline const QString SpaceInEmailMessage = QStringLiteral("Email Address Cannot Contain Space");

// Empty, or still the untouched placeholder.
bool isUnfilled(const QString& trimmedText, const QString& placeholder);
// Focus entering a box that shows its placeholder clears it.
bool clearsOnFocus(const QString& text, const QString& placeholder);
// Focus leaving a box with nothing but spaces in it puts the placeholder back.
bool restoresOnLeave(const QString& text);

// The e-mail checks the submit button makes before handing over to submitReferral.
std::optional<QString> emailProblem(const ReferralRecord& record);
// The checks of submitReferral itself, in their order.
std::optional<QString> referralProblem(const ReferralRecord& record);
// Each value is percent-encoded so that typed "&", "#", "=" or "+" cannot break or forge a parameter.
QString referralUrl(const ReferralRecord& record);
// Shows the first failing check, or opens the referral page.
void submitReferral(Platform& platform, const ReferralRecord& record);

// The support message for a uniform draw in [0, 1), and the four of them in their order.
int supportMessageNumber(double draw);
extern const QString SupportMessages[4];
