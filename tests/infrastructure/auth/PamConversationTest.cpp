#include "infrastructure/auth/PamConversation.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "application/ports/OwnerAuthenticationPrompter.h"

namespace quorbit {
namespace {

// Records what the stack asked and answers from a script; a question or note whose text is
// "cancel" is cancelled by the owner, one whose text is "throw" fails inside the dialog.
class ScriptedPrompter : public OwnerAuthenticationPrompter {
public:
    void begin(const std::string& reason) override { log.push_back("begin " + reason); }
    std::optional<SecretBytes> answer(const std::string& prompt, bool echoInput) override {
        log.push_back((echoInput ? "ask shown " : "ask hidden ") + prompt);
        failIfAsked(prompt);
        if (prompt == "cancel") return std::nullopt;
        return SecretBytes::fromText("answer to " + prompt);
    }
    bool inform(const std::string& message, bool isError) override {
        log.push_back((isError ? "error " : "info ") + message);
        failIfAsked(message);
        return message != "cancel";
    }
    void answerRefused() override { log.push_back("refused"); }
    void end() override { log.push_back("end"); }

    std::vector<std::string> log;

private:
    static void failIfAsked(const std::string& text) {
        if (text == "throw") throw std::runtime_error("dialog went away");
    }
};

// One call of the conversation function as a PAM module makes it.
struct Exchange {
    int status = PAM_SUCCESS;
    std::vector<std::optional<std::string>> answers;
    bool answersHandedOut = false;
};

Exchange converse(const PamConversation& conversation, const std::vector<pam_message>& messages) {
    std::vector<const pam_message*> pointers;
    for (const pam_message& message : messages) pointers.push_back(&message);
    pam_response* responses = nullptr;
    const pam_conv* conv = conversation.conversation();
    Exchange exchange;
    exchange.status = conv->conv(static_cast<int>(pointers.size()), pointers.data(), &responses, conv->appdata_ptr);
    exchange.answersHandedOut = responses != nullptr;
    if (responses == nullptr) return exchange;
    for (std::size_t i = 0; i < messages.size(); ++i) {
        exchange.answers.push_back(responses[i].resp ? std::optional<std::string>(responses[i].resp) : std::nullopt);
        std::free(responses[i].resp);
    }
    std::free(responses);
    return exchange;
}

pam_message message(int style, const char* text) { return pam_message{style, text}; }

TEST(PamConversation, AnswersEveryMessageOfOneCallInOrderInsideOneDialog) {
    ScriptedPrompter prompter;
    {
        const PamConversation conversation(prompter, "unlock the vault");
        const Exchange first =
            converse(conversation, {message(PAM_TEXT_INFO, "Hello"), message(PAM_PROMPT_ECHO_OFF, "Password:"),
                                    message(PAM_PROMPT_ECHO_ON, "Code:"), message(PAM_ERROR_MSG, "Try again")});
        EXPECT_EQ(first.status, PAM_SUCCESS);
        EXPECT_EQ(first.answers, (std::vector<std::optional<std::string>>{
                                     std::nullopt, "answer to Password:", "answer to Code:", std::nullopt}));
        EXPECT_EQ(converse(conversation, {message(PAM_PROMPT_ECHO_OFF, "Again:")}).status, PAM_SUCCESS);
    }
    EXPECT_EQ(prompter.log, (std::vector<std::string>{"begin unlock the vault", "info Hello",
                                                      "ask hidden Password:", "ask shown Code:", "error Try again",
                                                      "ask hidden Again:", "end"}));
}

// A failed call hands no answers to the stack: those already made are wiped and freed.
TEST(PamConversation, CancellingAnUnknownStyleOrAnExceptionFailsTheWholeCall) {
    const struct {
        const char* name;
        pam_message last;
    } cases[] = {
        {"question cancelled", message(PAM_PROMPT_ECHO_OFF, "cancel")},
        {"note cancelled", message(PAM_TEXT_INFO, "cancel")},
        {"unknown style", message(PAM_PROMPT_ECHO_OFF + 100, "Binary:")},
        {"exception while asking", message(PAM_PROMPT_ECHO_ON, "throw")},
        {"exception while informing", message(PAM_ERROR_MSG, "throw")},
    };
    for (const auto& c : cases) {
        ScriptedPrompter prompter;
        const PamConversation conversation(prompter, "reason");
        const Exchange exchange = converse(conversation, {message(PAM_PROMPT_ECHO_OFF, "Password:"), c.last});
        EXPECT_EQ(exchange.status, PAM_CONV_ERR) << c.name;
        EXPECT_FALSE(exchange.answersHandedOut) << c.name;
    }
}

// A refused try is tried again only when the owner typed an answer in it and never cancelled.
TEST(PamConversation, TellsWhetherATryHadATypedAnswer) {
    ScriptedPrompter prompter;
    PamConversation conversation(prompter, "reason");
    EXPECT_FALSE(conversation.takeTypedAnswer()) << "nothing asked yet";
    converse(conversation, {message(PAM_TEXT_INFO, "Touch the sensor")});
    EXPECT_FALSE(conversation.takeTypedAnswer()) << "a note is no answer";
    converse(conversation, {message(PAM_PROMPT_ECHO_OFF, "Password:")});
    EXPECT_TRUE(conversation.takeTypedAnswer());
    EXPECT_FALSE(conversation.takeTypedAnswer()) << "taken by the previous call";
    converse(conversation, {message(PAM_PROMPT_ECHO_OFF, "Password:"), message(PAM_PROMPT_ECHO_ON, "cancel")});
    EXPECT_FALSE(conversation.takeTypedAnswer()) << "cancelled";
}

TEST(PamConversation, RefusesMoreMessagesThanPamAllowsInOneCall) {
    ScriptedPrompter prompter;
    const PamConversation conversation(prompter, "reason");
    EXPECT_EQ(converse(conversation, std::vector<pam_message>(PAM_MAX_NUM_MSG + 1, message(PAM_TEXT_INFO, "x"))).status,
              PAM_CONV_ERR);
    EXPECT_TRUE(prompter.log.empty());
    EXPECT_EQ(converse(conversation, std::vector<pam_message>(PAM_MAX_NUM_MSG, message(PAM_TEXT_INFO, "x"))).status,
              PAM_SUCCESS);
    EXPECT_EQ(converse(conversation, {}).status, PAM_CONV_ERR);
}

}  // namespace
}  // namespace quorbit
