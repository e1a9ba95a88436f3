#pragma once

#include <QString>

// The two promotion lines that the main, reading and report windows show in their bottom strips.
inline const QString FullBrandCaption = QStringLiteral(
    "Home Business Opportunity. Start your own Internet business and make money online. Get this software fully "
    "branded for your website. Click here for more details.");
inline const QString CoBrandCaption = QStringLiteral(
    "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site's name &&  link "
    "here. See \"Help\" for details.    Click Here for more info on co-branding.");
