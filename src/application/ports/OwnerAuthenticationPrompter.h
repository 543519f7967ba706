#pragma once

#include <optional>
#include <string>

#include "domain/SecretBytes.h"

namespace quorbit {

// The owner's side of one authentication conversation: a dialog that shows why the vault
// asks, answers the questions of the system's authentication stack and can be cancelled.
// Called from the worker thread; an implementation hands the work to its own thread.
class OwnerAuthenticationPrompter {
public:
    virtual ~OwnerAuthenticationPrompter() = default;

    // Opens the dialog with the reason text; every other call comes between begin and end.
    virtual void begin(const std::string& reason) = 0;

    // The owner's answer to a question such as "Password:" (typed hidden unless echoInput),
    // or none when the owner cancelled.
    virtual std::optional<SecretBytes> answer(const std::string& prompt, bool echoInput) = 0;

    // Shows a note of the stack, such as "Place your finger on the reader"; false when the
    // owner has cancelled meanwhile.
    virtual bool inform(const std::string& message, bool isError) = 0;

    // The stack refused the answers: the dialog stays open, says so, and the next questions
    // are another try.
    virtual void answerRefused() = 0;

    virtual void end() = 0;
};

}  // namespace quorbit
