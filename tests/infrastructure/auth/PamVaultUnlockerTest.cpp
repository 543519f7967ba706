#include <gtest/gtest.h>

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "application/ports/OwnerAuthenticationPrompter.h"
#include "infrastructure/auth/PamVaultUnlocker.h"

namespace quorbit {
namespace {

// Answers the questions in turn from a script; a missing answer cancels.
class ScriptedPrompter : public OwnerAuthenticationPrompter {
public:
    explicit ScriptedPrompter(std::vector<std::optional<std::string>> typed) : typed_(std::move(typed)) {}

    void begin(const std::string& reason) override { reasons.push_back(reason); }
    std::optional<SecretBytes> answer(const std::string& prompt, bool echoInput) override {
        prompts.push_back(prompt);
        echoed.push_back(echoInput);
        const std::size_t turn = prompts.size() - 1;
        if (turn >= typed_.size() || !typed_[turn]) return std::nullopt;
        return SecretBytes::fromText(*typed_[turn]);
    }
    bool inform(const std::string&, bool) override { return true; }
    void answerRefused() override { ++refusals; }
    void end() override { ++ends; }

    std::vector<std::string> reasons;
    std::vector<std::string> prompts;
    std::vector<bool> echoed;
    int refusals = 0;
    int ends = 0;

private:
    std::vector<std::optional<std::string>> typed_;
};

std::string currentUser() { return getpwuid(geteuid())->pw_name; }

// pam_matrix's password file, "user:password:service", for the user running the test.
class PamMatrixTest : public testing::Test {
protected:
    void SetUp() override {
        folder_ = std::filesystem::temp_directory_path() / ("quorbit-pam-" + std::to_string(getpid()));
        std::filesystem::create_directories(folder_);
        const auto passdb = folder_ / "passdb";
        std::ofstream(passdb) << currentUser() << ":correct horse:quorbit\n";
        setenv("PAM_MATRIX_PASSWD", passdb.c_str(), 1);
    }
    void TearDown() override {
        unsetenv("PAM_MATRIX_PASSWD");
        std::filesystem::remove_all(folder_);
    }

private:
    std::filesystem::path folder_;
};

struct UnlockCase {
    const char* name;
    std::vector<std::optional<std::string>> typed;
    bool unlocked;
    int refusals;  // each one keeps the prompt open for another question
    friend void PrintTo(const UnlockCase& unlockCase, std::ostream* out) { *out << unlockCase.name; }
};

class UnlockOutcome : public PamMatrixTest, public testing::WithParamInterface<UnlockCase> {};

TEST_P(UnlockOutcome, FollowsTheOwnersAnswersInOneDialog) {
    ScriptedPrompter prompter(GetParam().typed);
    PamVaultUnlocker unlocker(prompter);

    EXPECT_EQ(unlocker.unlock("Unlock Quorbit to show codes"), GetParam().unlocked);

    ASSERT_EQ(prompter.reasons, std::vector<std::string>{"Unlock Quorbit to show codes"});
    EXPECT_EQ(prompter.refusals, GetParam().refusals);
    EXPECT_EQ(prompter.prompts.size(), std::min(GetParam().typed.size(), std::size_t(3)));
    EXPECT_FALSE(prompter.echoed.front()) << "the password is typed hidden";
    EXPECT_EQ(prompter.ends, 1);
}

const std::optional<std::string> cancel;

INSTANTIATE_TEST_SUITE_P(
    Pam, UnlockOutcome,
    testing::Values(UnlockCase{"RightPassword", {"correct horse"}, true, 0},
                    UnlockCase{"WrongThenRight", {"battery staple", "correct horse"}, true, 1},
                    UnlockCase{"WrongOnEveryTry", {"battery", "staple", "horse", "correct horse"}, false, 2},
                    UnlockCase{"EmptyPassword", {"", "", ""}, false, 2},
                    UnlockCase{"CancelledPrompt", {cancel}, false, 0},
                    UnlockCase{"WrongThenCancelled", {"battery staple", cancel}, false, 1}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST_F(PamMatrixTest, AServiceWithoutAStackRefusesWithoutOpeningTheDialog) {
    ScriptedPrompter prompter({"correct horse"});
    PamVaultUnlocker unlocker(prompter, "quorbit-missing");

    EXPECT_FALSE(unlocker.unlock("Unlock"));
    EXPECT_TRUE(prompter.reasons.empty());
}

}  // namespace
}  // namespace quorbit
