#pragma once

#include "platform/Prompter.h"

#include <QString>
#include <QStringList>
#include <array>

// The smiley page: one picture button per forum smiley, plus the star.
struct Smiley {
    const char* objectName; // e.g. "cmdWink"; several differ from their codes
    const char* name;       // the code without brackets, e.g. "wink"; also names the picture

    QString code() const;        // "[wink]"
    QString picturePath() const; // ":/smileys/wink.svg"
};

inline constexpr int kSmileyCount = 29;

// In their order on the page.
const std::array<Smiley, kSmileyCount>& smileys();

// The star stands on the page between the smiley it follows and the next.
namespace Star {
inline constexpr const char* objectName = "cmdStar";
inline constexpr const char* follows = "cmdWink";
QString picturePath();
// Asked (Yes / No) before the star goes in, since it is not a real star given.
Prompter::Message warning();
// forumAddress: scheme and host of the forum site, without a trailing slash.
QString imageTag(const QString& forumAddress);
} // namespace Star

// All 30 picture buttons' objectNames in page order, the star included.
QStringList smileyPageButtons();

// The page that lists further smileys, below the smiley site's address.
inline constexpr const char* kMoreSmileysPath = "/includes/smileys.cfm";
