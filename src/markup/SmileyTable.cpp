#include "markup/SmileyTable.h"

namespace {

constexpr std::array<Smiley, kSmileyCount> kSmileys{{
    {"cmdMachinegun", "machinegun"},
    {"cmd2ThumpsUp", "2thumbsup"},
    {"cmdSleeping", "sleeping"},
    {"cmdAfro2", "afro2"},
    {"cmd3Eyes", "3eyes"},
    {"cmdGorgeos", "gorgeous"},
    {"cmdParty", "party"},
    {"cmdNoSmiley", "nosmiley"},
    {"cmdThumpsDown", "thumbsdown"},
    {"cmdMorning", "morning"},
    {"cmdWink", "wink"},
    {"cmdSwords", "swords"},
    {"cmdCanon", "cannon"},
    {"cmdOlympic", "olympics"},
    {"cmdLightsaber", "lightsaber"},
    {"cmdRockBand", "rockband"},
    {"cmdPacman", "pacman"},
    {"cmdNoEvil", "noevil"},
    {"cmdDazed", "dazed"},
    {"cmdThumbsUp", "thumbsup"},
    {"cmdBigsmile", "bigsmile"},
    {"cmdMedal", "medal"},
    {"cmdPipe", "pipe"},
    {"cmdWavey", "wavey"},
    {"cmdBigears", "bigears"},
    {"cmdThumbsUp2", "thumbsup2"},
    {"cmdElephant2", "elephant2"},
    {"cmdCat2", "cat2"},
    {"cmdBigCheeks", "bigcheeks"},
}};

QString smileyPicture(const char* name) {
    return QStringLiteral(":/smileys/%1.svg").arg(QLatin1String(name));
}

} // namespace

QString Smiley::code() const {
    return QStringLiteral("[%1]").arg(QLatin1String(name));
}

QString Smiley::picturePath() const {
    return smileyPicture(name);
}

const std::array<Smiley, kSmileyCount>& smileys() {
    return kSmileys;
}

QString Star::picturePath() {
    return smileyPicture("star");
}

Prompter::Message Star::warning() {
    return {"Quillet",
            "This will insert a star image only in your reply\r\n"
            "Use the Thanks giving link to give a star\r\n"
            "\r\n"
            "Do you want to insert anyway?",
            Prompter::Icon::Information, Prompter::Buttons::YesNo};
}

QString Star::imageTag(const QString& forumAddress) {
    return "[img " + forumAddress + "/images/star.gif]";
}

QStringList smileyPageButtons() {
    QStringList buttons;
    for (const Smiley& smiley : kSmileys) {
        buttons.append(smiley.objectName);
        if (QLatin1String(smiley.objectName) == QLatin1String(Star::follows))
            buttons.append(Star::objectName);
    }
    return buttons;
}
