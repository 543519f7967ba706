#pragma once

#include <security/pam_appl.h>

#include <string>
#include <utility>

namespace quorbit {

class OwnerAuthenticationPrompter;

// Answers the questions of one PAM transaction through the owner's prompter. The dialog
// opens with the first message, so a stack that decides without asking shows nothing.
class PamConversation {
public:
    PamConversation(OwnerAuthenticationPrompter& prompter, std::string reason);
    ~PamConversation();
    PamConversation(const PamConversation&) = delete;
    PamConversation& operator=(const PamConversation&) = delete;

    // The structure to hand to pam_start; valid while this object lives.
    const pam_conv* conversation() const noexcept { return &conversation_; }

    // Whether the owner typed an answer since the last call, which starts the next try, and
    // has not cancelled.
    bool takeTypedAnswer() noexcept { return std::exchange(typed_, false) && !cancelled_; }
    // Tells the owner that the stack refused the answers; the dialog stays open.
    void answerRefused();

private:
    static int converse(int count, const pam_message** messages, pam_response** responses, void* self);
    int answerAll(int count, const pam_message** messages, pam_response** responses);
    bool answerOne(const pam_message& message, pam_response& response);
    void beginIfNeeded();

    OwnerAuthenticationPrompter& prompter_;
    std::string reason_;
    bool begun_ = false;
    bool typed_ = false;
    bool cancelled_ = false;
    pam_conv conversation_;
};

}  // namespace quorbit
