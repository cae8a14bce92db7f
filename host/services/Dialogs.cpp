#include "services/Dialogs.h"

#include <ostream>

namespace g20seq::host {

namespace {

// First offered button of a list, as its modal result.
struct TButtonAnswer {
    TMsgDlgBtn Button;
    TModalResult Answer;
};

constexpr TButtonAnswer YesAnswers[] = {{mbYes, mrYes}, {mbOK, mrOk}, {mbRetry, mrRetry}};
constexpr TButtonAnswer NoAnswers[] = {{mbNo, mrNo}, {mbCancel, mrCancel}, {mbAbort, mrAbort}};
constexpr TButtonAnswer RefuseAnswers[] = {{mbCancel, mrCancel}, {mbNo, mrNo}, {mbAbort, mrAbort}};

template <std::size_t N>
int FirstOffered(const TButtonAnswer (&Answers)[N], TMsgDlgButtons Buttons) {
    for (const TButtonAnswer& answer : Answers)
        if ((Buttons & answer.Button) != 0)
            return answer.Answer;
    return mrNone;
}

} // namespace

int TDialogs::PolicyAnswer(TMsgDlgButtons Buttons) const {
    if (Buttons == mbOK)
        return mrOk;
    switch (FPolicy) {
    case TDialogPolicy::Yes:
        return FirstOffered(YesAnswers, Buttons);
    case TDialogPolicy::No:
        return FirstOffered(NoAnswers, Buttons);
    case TDialogPolicy::Refuse:
        break;
    }
    return FirstOffered(RefuseAnswers, Buttons);
}

int TDialogs::Ask(const std::string& Text, TMsgDlgType Kind, TMsgDlgButtons Buttons) {
    const bool scripted = !FScript.empty();
    const bool asked = !scripted && FAnswerer;
    const int answer = scripted ? FScript.front()
                       : asked  ? FAnswerer(Text, Kind, Buttons)
                                : PolicyAnswer(Buttons);
    if (scripted)
        FScript.pop_front();
    FQuestions.push_back({Text, Kind, Buttons, answer});
    if (FMessages != nullptr && !scripted && !asked) {
        const bool refused = FPolicy == TDialogPolicy::Refuse && Buttons != mbOK;
        *FMessages << "g20seq: " << Text << '\n';
        if (refused)
            *FMessages << "g20seq: question refused (answer it with --yes or --no)\n";
    }
    return answer;
}

} // namespace g20seq::host
