#include "infrastructure/auth/PamConversation.h"

#include <openssl/crypto.h>

#include <cstdlib>
#include <cstring>

#include "application/ports/OwnerAuthenticationPrompter.h"

namespace quorbit {

namespace {

// PAM frees the answers with free(), so they are copied into malloc'd memory. The stack reads
// a C string, so the copy ends at the first NUL; that way wiping up to strlen wipes all of it.
char* mallocCopy(std::string_view text) {
    text = text.substr(0, text.find('\0'));
    auto* copy = static_cast<char*>(std::malloc(text.size() + 1));
    if (copy == nullptr) return nullptr;
    if (!text.empty()) std::memcpy(copy, text.data(), text.size());
    copy[text.size()] = '\0';
    return copy;
}

void wipeResponses(pam_response* responses, int count) {
    for (int i = 0; i < count; ++i) {
        if (char* text = responses[i].resp) {
            OPENSSL_cleanse(text, std::strlen(text));
            std::free(text);
        }
    }
    std::free(responses);
}

}  // namespace

PamConversation::PamConversation(OwnerAuthenticationPrompter& prompter, std::string reason)
    : prompter_(prompter), reason_(std::move(reason)), conversation_{&PamConversation::converse, this} {}

PamConversation::~PamConversation() {
    if (begun_) prompter_.end();
}

int PamConversation::converse(int count, const pam_message** messages, pam_response** responses, void* self) {
    if (count <= 0 || count > PAM_MAX_NUM_MSG || messages == nullptr || responses == nullptr || self == nullptr) {
        return PAM_CONV_ERR;
    }
    try {
        return static_cast<PamConversation*>(self)->answerAll(count, messages, responses);
    } catch (...) {
        // An exception must not cross the C library.
        return PAM_CONV_ERR;
    }
}

int PamConversation::answerAll(int count, const pam_message** messages, pam_response** responses) {
    auto* answers = static_cast<pam_response*>(std::calloc(static_cast<std::size_t>(count), sizeof(pam_response)));
    if (answers == nullptr) return PAM_BUF_ERR;
    try {
        beginIfNeeded();
        for (int i = 0; i < count; ++i) {
            if (!answerOne(*messages[i], answers[i])) {
                wipeResponses(answers, count);
                return PAM_CONV_ERR;
            }
        }
    } catch (...) {
        wipeResponses(answers, count);
        throw;
    }
    *responses = answers;
    return PAM_SUCCESS;
}

bool PamConversation::answerOne(const pam_message& message, pam_response& response) {
    const std::string text = message.msg != nullptr ? message.msg : "";
    switch (message.msg_style) {
    case PAM_PROMPT_ECHO_OFF:
    case PAM_PROMPT_ECHO_ON: {
        const auto typed = prompter_.answer(text, message.msg_style == PAM_PROMPT_ECHO_ON);
        if (!typed) {
            cancelled_ = true;
            return false;
        }
        typed_ = true;
        response.resp = mallocCopy(typed->asText());
        return response.resp != nullptr;
    }
    case PAM_ERROR_MSG:
    case PAM_TEXT_INFO:
        if (prompter_.inform(text, message.msg_style == PAM_ERROR_MSG)) return true;
        cancelled_ = true;
        return false;
    default: return false;
    }
}

void PamConversation::answerRefused() { prompter_.answerRefused(); }

void PamConversation::beginIfNeeded() {
    if (begun_) return;
    prompter_.begin(reason_);
    begun_ = true;
}

}  // namespace quorbit
