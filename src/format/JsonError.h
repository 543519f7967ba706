#pragma once

#include <stdexcept>

namespace quorbit {

// Every failure of the JSON format: a text that does not parse, a record that does not decode,
// a document that cannot be printed. Messages name a key or a byte offset, never a value, since
// values may be secrets; they keep the wording the stores have always reported.
class JsonError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace quorbit
