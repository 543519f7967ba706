#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include <QTemporaryDir>

#include "app/AppComposition.h"

namespace quorbit {
namespace {

// The composition reads the settings and the data folder of the environment it finds.
class AppCompositionTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(home_.isValid());
        for (const char* variable : {"XDG_CONFIG_HOME", "XDG_DATA_HOME"}) {
            if (const char* value = std::getenv(variable)) saved_.emplace_back(variable, value);
            setenv(variable, (home_.path().toStdString() + "/" + variable).c_str(), 1);
        }
    }
    void TearDown() override {
        for (const auto& [variable, value] : saved_) setenv(variable.c_str(), value.c_str(), 1);
    }

    bool wroteNothing() const {
        return !std::filesystem::exists(home_.path().toStdString() + "/XDG_CONFIG_HOME") &&
               !std::filesystem::exists(home_.path().toStdString() + "/XDG_DATA_HOME");
    }

private:
    QTemporaryDir home_;
    std::vector<std::pair<std::string, std::string>> saved_;
};

TEST_F(AppCompositionTest, EmptySettingsGiveTheDefaultsAndNothingIsWritten) {
    AppComposition composition;
    QuorbitViewModel& viewModel = composition.viewModel();

    EXPECT_EQ(viewModel.settings(), AppSettings{});
    EXPECT_EQ(viewModel.backupPBKDF2Iterations(), 120000);
    EXPECT_EQ(viewModel.backupSaltBytes(), 16);
    EXPECT_FALSE(viewModel.isUnlocked());
    EXPECT_FALSE(viewModel.isStarted());
    EXPECT_TRUE(wroteNothing());
}

}  // namespace
}  // namespace quorbit
