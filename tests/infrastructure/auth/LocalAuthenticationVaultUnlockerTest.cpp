#include <gtest/gtest.h>

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "application/ports/OwnerAuthenticationPrompter.h"
#include "infrastructure/auth/LocalAuthenticationVaultUnlocker.h"

namespace quorbit {
namespace {

// Answers every question with one scripted text, or cancels when there is none.
class ScriptedPrompter : public OwnerAuthenticationPrompter {
public:
    explicit ScriptedPrompter(std::optional<std::string> typed) : typed_(std::move(typed)) {}

    void begin(const std::string& reason) override { reasons.push_back(reason); }
    std::optional<SecretBytes> answer(const std::string& prompt, bool echoInput) override {
        prompts.push_back(prompt);
        echoed.push_back(echoInput);
        if (!typed_) return std::nullopt;
        return SecretBytes::fromText(*typed_);
    }
    bool inform(const std::string&, bool) override { return true; }
    void end() override { ++ends; }

    std::vector<std::string> reasons;
    std::vector<std::string> prompts;
    std::vector<bool> echoed;
    int ends = 0;

private:
    std::optional<std::string> typed_;
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
    std::optional<std::string> typed;
    bool unlocked;
    friend void PrintTo(const UnlockCase& unlockCase, std::ostream* out) { *out << unlockCase.name; }
};

class UnlockOutcome : public PamMatrixTest, public testing::WithParamInterface<UnlockCase> {};

TEST_P(UnlockOutcome, FollowsTheOwnersAnswer) {
    ScriptedPrompter prompter(GetParam().typed);
    LocalAuthenticationVaultUnlocker unlocker(prompter);

    EXPECT_EQ(unlocker.unlock("Unlock Quorbit to show codes"), GetParam().unlocked);

    ASSERT_EQ(prompter.reasons, std::vector<std::string>{"Unlock Quorbit to show codes"});
    ASSERT_EQ(prompter.prompts.size(), 1U);
    EXPECT_FALSE(prompter.echoed.front()) << "the password is typed hidden";
    EXPECT_EQ(prompter.ends, 1);
}

INSTANTIATE_TEST_SUITE_P(Pam, UnlockOutcome,
                         testing::Values(UnlockCase{"RightPassword", "correct horse", true},
                                         UnlockCase{"WrongPassword", "battery staple", false},
                                         UnlockCase{"EmptyPassword", "", false},
                                         UnlockCase{"CancelledPrompt", std::nullopt, false}),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

TEST_F(PamMatrixTest, AServiceWithoutAStackRefusesWithoutOpeningTheDialog) {
    ScriptedPrompter prompter("correct horse");
    LocalAuthenticationVaultUnlocker unlocker(prompter, "quorbit-missing");

    EXPECT_FALSE(unlocker.unlock("Unlock"));
    EXPECT_TRUE(prompter.reasons.empty());
}

}  // namespace
}  // namespace quorbit
