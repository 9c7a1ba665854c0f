#pragma once

#include <QString>
#include <QStringView>

struct VnmlRenderOptions {
    // Off: an image tag shows a placeholder with its address, and nothing is fetched.
    bool loadImages = false;
};

// The post as the forum shows it, as HTML for a rich-text view. Everything the user
// wrote is escaped; only the tags become markup. Tags without a partner, tags the forum
// does not know and links to addresses other than web, FTP and mail stay as written.
QString renderVnml(QStringView post, const VnmlRenderOptions& options = {});

// Addresses the preview turns into links and images; anything else stays text.
bool isLinkAddress(QStringView address);
bool isImageAddress(QStringView address);

// Smileys are drawn this size, in pixels.
inline constexpr int kSmileySize = 20;
// Deeper nesting still pairs its tags but adds no further box or style, so that a
// hostile post cannot make the view lay out thousands of boxes inside each other.
inline constexpr int kMaxRenderedNesting = 24;
