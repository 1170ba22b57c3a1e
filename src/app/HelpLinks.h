#pragma once
#include <QString>
#include <QUrl>

// The pages of the product's web site that the Help menu opens.
namespace HelpLinks {

inline constexpr const char *SiteCaption = "www.spendrake.example";
inline constexpr const char *ImportingPage = "/importing-data/";
inline constexpr const char *FilteringPage = "/filtering-data/";
inline constexpr const char *ContactPage = "/contact-us/";

// The site's address followed by the page's path; no path is the home page.
inline QUrl address(const QString &path = {}) { return QUrl("https://www.spendrake.example" + path); }

} // namespace HelpLinks
