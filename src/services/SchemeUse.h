#pragma once

class QUrl;

// What the browser windows do with an address, decided by its scheme alone.
enum class SchemeUse {
    // http:, https: and the pages bundled with the program (qrc:): shown in the window.
    Browse,
    // mailto: handed to the desktop's mail program when the user clicks it.
    Mail,
    // A scheme the engine has no use for ("irc:", "tel:"): another program, if the user agrees.
    Outside,
    // data:, javascript:, file:, blob:, about: and the engine's own: never a page on top.
    Refused,
};

SchemeUse schemeUse(const QUrl& url);
