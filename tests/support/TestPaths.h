#pragma once

#include <filesystem>
#include <string_view>

namespace quorbit::test {

// Path of a file below tests/fixtures.
std::filesystem::path fixturePath(std::string_view name);

}  // namespace quorbit::test
