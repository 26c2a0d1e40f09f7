#pragma once
// The icons behind "SSYS:" (small) and "LSYS:" (large) picture sources of the
// mini-HTML renderer. The renderer links no widgets, so the icons come from a
// provider the window layer installs; without one such pictures show nothing
// and take no room.
//
// A source names a file or folder by its path (the icon of its kind) or an
// icon by number; what a number means is the provider's business.
#include <QImage>
#include <QString>
#include <functional>

// The icon for `source` in the small or the large size of the system's icon
// list, at 96 dpi; a null image when there is none.
using THtmlSystemIconProvider = std::function<QImage(const QString& source, bool large)>;

// Replaces the provider (an empty one removes it).
void SetHtmlSystemIconProvider(THtmlSystemIconProvider provider);
bool HasHtmlSystemIconProvider();
// The provider's icon; a null image without a provider.
QImage HtmlSystemIcon(const QString& source, bool large);
