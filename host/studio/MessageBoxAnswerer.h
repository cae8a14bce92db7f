// The studio's answerer of the module's questions and messages: a modal message box with
// the buttons the module offers, its icon after the message's kind.
#pragma once

#include <g20seq/interface/ProxyInterface.h>

#include <string>

class QWidget;

namespace g20seq::host {

// Shows Text with the buttons of Buttons and answers the TModalResult of the button pressed
// (mrCancel, or mrNone without Cancel, when the box is closed otherwise).
int AskWithMessageBox(QWidget* Parent, const std::string& Text, TMsgDlgType Kind,
                      TMsgDlgButtons Buttons);

} // namespace g20seq::host
