#include "info/TipsTable.h"

namespace TipsTable {

const QList<Tip>& tips() {
    static const QList<Tip> table = {
        {"Custom Style",
         "You can store your custom styles for easy use.\r\n"
         "Define a style & click [Add to Custom Style button]",
         "CTRL+Y"},
        {"Custom Text",
         "You can store reusable text into the list. Click on [C-Text] button to add. Press "
         "CTRL+L to get the list in the text editor while you are typing",
         "CTRL+L"},
        {"Image Link",
         "Insert an image in your post by adding a link. You must enter complete URL with image "
         "extension.",
         "Tools > Insert Image Link"},
        {"Smiley",
         "Add color in your post by adding smileys. Click [More Smilyes] button to get all the "
         "smileys in Vornet",
         ""},
        {"Number/Bullet List",
         "You can add sub items to the list by setting cursor where you want sub items to be "
         "appeared then click insert after choosing the desired list items",
         ""},
        {"Copy URL", "Copy the URL of currently viewing web page", "File > Copy URL"},
        {"Bookmarking",
         "Bookmark the page that you currently viewing. Tested only in Internet Explorer",
         "Right Click on Web page"},
        {"Irregular tags", "Irregular tags are that used very rarely in the posting",
         "Tools > Irregular Tags"},
        {"Introduction", "A brief description about forum usage", "File> Itroduction"},
        {"Font Setting", "Select your favorite font & size for the text editor.",
         "Tools > Font Setting"},
        {"Web Page Link",
         "Insert an web page link in your post. You must enter complete URL. Display text is "
         "optional",
         "Tools > Insert Web Link"},
        {"Spell & Grammar Check",
         "Check the spelling & grammar of the text using MS Word spell/grammar checker. Your "
         "system must be having MS Word Installed",
         "Tools > Spell & Grammar Check"},
    };
    return table;
}

const Tip* find(const QString& title) {
    for (const Tip& tip : tips()) {
        if (tip.topic == title)
            return &tip;
    }
    return nullptr;
}

} // namespace TipsTable
