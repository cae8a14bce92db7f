// The host's message dialogs.
//
// Every question is answered first from the scripted answers (tests queue them). The
// studio then asks the user through its answerer. Nobody sits in front of the command-line
// tool, so without an answerer a question is answered by the policy the user chose on the
// command line (--yes, --no). Without either, a question is
// refused: it is printed on the message stream and answered like "no" (mrCancel when
// Cancel is offered, else mrNo, else mrNone). A message that only offers OK is printed
// and acknowledged (mrOk) under every policy.
#pragma once

#include <g20seq/interface/ProxyInterface.h>

#include <deque>
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace g20seq::host {

enum class TDialogPolicy { Refuse, Yes, No };

// One question as the module asked it (text already translated).
struct TDialogQuestion {
    std::string Text;
    TMsgDlgType Kind = mtInformation;
    TMsgDlgButtons Buttons = 0;
    int Answer = mrNone;
};

class TDialogs {
public:
    // Asks the user; answers a TModalResult among the buttons offered.
    using TAnswerer =
        std::function<int(const std::string& Text, TMsgDlgType Kind, TMsgDlgButtons Buttons)>;

    void SetAnswerer(TAnswerer Answerer) { FAnswerer = std::move(Answerer); }
    void SetPolicy(TDialogPolicy Policy) { FPolicy = Policy; }
    TDialogPolicy GetPolicy() const { return FPolicy; }
    // Where questions and messages are printed (stderr in the CLI); none by default.
    void SetMessageStream(std::ostream* Stream) { FMessages = Stream; }
    void QueueAnswer(int ModalResult) { FScript.push_back(ModalResult); }
    // Forgets the answers queued and not yet given.
    void ClearAnswers() { FScript.clear(); }

    // Answers a TModalResult for the question.
    int Ask(const std::string& Text, TMsgDlgType Kind, TMsgDlgButtons Buttons);

    const std::vector<TDialogQuestion>& Questions() const { return FQuestions; }

private:
    int PolicyAnswer(TMsgDlgButtons Buttons) const;

    TDialogPolicy FPolicy = TDialogPolicy::Refuse;
    std::ostream* FMessages = nullptr;
    TAnswerer FAnswerer;
    std::deque<int> FScript;
    std::vector<TDialogQuestion> FQuestions;
};

} // namespace g20seq::host
