// Host-facing declarations of the data proxy's three services.
//
// The host hands the module one proxy object (SetDataProxy). Each service is obtained
// from it by interface identifier at the moment of use; the module keeps none of them.
// The first three operations of every interface are query-interface, add-reference and
// release; the order of the operations after them is a binary contract with the host.
// Only the operations named in the comments are called by the module; the others are
// declared for the host's convenience and their order after the used ones is ours.
#pragma once

#include "support/Object.h"
#include "support/Types.h"

#include <string>

namespace g20seq {

// Query-interface base of every host-facing interface.
class IInterface {
public:
    virtual THResult QueryInterface(const TGUID& IID, void** Obj) = 0;
    virtual int AddRef() = 0;
    virtual int Release() = 0;

protected:
    ~IInterface() = default;
};

// Event log of the host. The module calls the second operation only.
class IEventLogProxy : public IInterface {
public:
    static constexpr TGUID IID = GuidFromString("{CB5AA941-56F6-447D-AC8D-F5573FD0D9BA}");
    virtual int GetLogLevel() = 0;
    // One log entry: sender object, name of the operation that logs, both texts,
    // level (0 trace, 1, 2 anomaly, 3 serious error) and category.
    virtual void AddLog(const TObject* Sender, const std::string& Source, const std::string& Text1,
                        const std::string& Text2, int Level, const std::string& Category) = 0;
    virtual void SetLogLevel(int Level) = 0;
    virtual std::string GetLogFileName() = 0;
    virtual void Flush() = 0;

protected:
    ~IEventLogProxy() = default;
};

// Buttons and kinds of the host's message dialog.
enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum TMsgDlgBtn : unsigned {
    mbYes = 1u << 0,
    mbNo = 1u << 1,
    mbOK = 1u << 2,
    mbCancel = 1u << 3,
    mbAbort = 1u << 4,
    mbRetry = 1u << 5,
    mbIgnore = 1u << 6,
};
using TMsgDlgButtons = unsigned;
// Modal results answered by the dialog operation.
enum TModalResult {
    mrNone = 0,
    mrOk = 1,
    mrCancel = 2,
    mrAbort = 3,
    mrRetry = 4,
    mrIgnore = 5,
    mrYes = 6,
    mrNo = 7
};

// Translations and message dialogs of the host. The module calls the third, fourth
// and sixth operations.
class ITranslationProxy : public IInterface {
public:
    static constexpr TGUID IID = GuidFromString("{BFAA54CB-066C-4E29-B5E8-5234EDA7CD53}");
    virtual std::string GetLanguage() = 0;
    virtual void SetLanguage(const std::string& Language) = 0;
    // Message texts (section, text identifier, default French text).
    virtual std::string TranslateMessage(const std::string& Section, const std::string& ID,
                                         const std::string& Default) = 0;
    // Captions (section, text identifier, default French text).
    virtual std::string Translate(const std::string& Section, const std::string& ID,
                                  const std::string& Default) = 0;
    virtual void TranslateComponent(TObject* Component, const std::string& Section) = 0;
    // Modal message dialog: the text is looked up like a message, then shown with the
    // given kind and buttons; answers a TModalResult.
    virtual int MessageDlg(const std::string& Section, const std::string& ID,
                           const std::string& Default, TMsgDlgType Kind,
                           TMsgDlgButtons Buttons) = 0;

protected:
    ~ITranslationProxy() = default;
};

// Settings of the host. The module calls the third and fourth operations.
class ISettingsProxy : public IInterface {
public:
    static constexpr TGUID IID = GuidFromString("{A986791E-F045-4979-B01C-FCA16AFCD80F}");
    virtual std::string ReadString(const std::string& Section, const std::string& Key,
                                   const std::string& Default) = 0;
    virtual bool ReadBool(const std::string& Section, const std::string& Key, bool Default) = 0;
    // Mains frequency in hertz (50 or 60).
    virtual Byte GetFrequenceSecteur() = 0;
    // Path of the editors' window context file (".ihm").
    virtual std::string GetContextFileName() = 0;
    virtual void WriteString(const std::string& Section, const std::string& Key,
                             const std::string& Value) = 0;
    virtual void WriteBool(const std::string& Section, const std::string& Key, bool Value) = 0;

protected:
    ~ISettingsProxy() = default;
};

} // namespace g20seq
