#pragma once

#include <QUrl>
#include <functional>

// Handing a "mailto:" link to the desktop's mail program. Linux desktops open
// any link they have no handler for in the web browser, or silently drop it,
// so the link is given to the desktop only when it names a mail handler.
namespace MailClient {

// False when the desktop names no handler for mailto links
// (xdg-mime query default x-scheme-handler/mailto answers nothing, is
// missing or does not answer within a second); otherwise whether the
// desktop accepted the link.
bool open(const QUrl& link);

// Tests: every link goes to fn instead of the desktop, and fn's answer is
// returned. An empty fn restores the desktop.
void setHandlerForTesting(std::function<bool(const QUrl&)> fn);

}
