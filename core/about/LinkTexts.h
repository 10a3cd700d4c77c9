// SPDX-License-Identifier: AGPL-3.0-or-later
#pragma once
// The texts of the link labels that the entry and result windows share.

namespace zodrivel {

namespace labels {
inline constexpr const char* Forum =
    "Join the Zodrivel discussion board: share your chart and ask other users about aspects.";
inline constexpr const char* FullBrand =
    "Home Business Opportunity. Start your own Internet business and make money online. Get "
    "this software fully branded for your website. Click here for more details.";
// The caption's "&&" is one ampersand on screen.
inline constexpr const char* CoBrand =
    "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put "
    "your site's name &  link here. See \"Help\" for details.    Click Here for more info on "
    "co-branding.";
inline constexpr const char* Description =
    "Zodrivel calculates the angular distance or aspects between different planets. Each "
    "aspect is associated with different characteristics or attributes that are reflected in "
    "an individual's personality. Know what aspects are present in your natal chart with this "
    "software!";
}  // namespace labels

}  // namespace zodrivel
