#include "infrastructure/files/FileAccountGroupRepository.h"

#include <gtest/gtest.h>

#include "TemporaryHome.h"
#include "domain/QuorbitError.h"

namespace quorbit {
namespace {

class FileAccountGroupRepositoryTest : public testing::Test {
protected:
    std::filesystem::path file() const { return home.dataHome() / "Quorbit" / "groups.json"; }

    test::TemporaryHome home;
    FileAccountGroupRepository repository{file()};
};

TEST_F(FileAccountGroupRepositoryTest, NamesAreNormalisedOnSaveAndOnLoad) {
    EXPECT_EQ(FileAccountGroupRepository::defaultFileURL(), file());
    EXPECT_TRUE(repository.loadGroups().empty());

    repository.saveGroups({" work ", "Home", "WORK", ""});
    EXPECT_EQ(repository.loadGroups(), (std::vector<std::string>{"Home", "work"}));
    EXPECT_EQ(test::modeOf(file()), 0600u);

    test::writeFile(file(), R"(["b", " a", "B"])");
    EXPECT_EQ(repository.loadGroups(), (std::vector<std::string>{"a", "b"}));
}

TEST_F(FileAccountGroupRepositoryTest, AnUndecodableFileFailsWithPersistenceFailure) {
    for (const std::string text : {"[", "[1]", "{\"a\": \"b\"}"}) {
        SCOPED_TRACE(text);
        test::writeFile(file(), text);
        try {
            repository.loadGroups();
            ADD_FAILURE() << "expected persistenceFailure";
        } catch (const QuorbitError& error) {
            EXPECT_EQ(error.errorCase(), QuorbitError::Case::persistenceFailure);
        }
    }
}

}  // namespace
}  // namespace quorbit
