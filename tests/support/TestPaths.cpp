#include "support/TestPaths.h"

namespace quorbit::test {

std::filesystem::path fixturePath(std::string_view name) { return std::filesystem::path(QUORBIT_FIXTURES_DIR) / name; }

}  // namespace quorbit::test
