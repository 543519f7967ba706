#pragma once

namespace quorbit {

// The answer to the screen-capture explanation.
enum class PermissionRequestResult {
    proceed,    // access is there, or the user went on and the request was made
    cancelled,  // the user cancelled the explanation
};

}  // namespace quorbit
