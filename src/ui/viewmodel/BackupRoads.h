#pragma once

namespace quorbit {

class ActionContext;

// Encrypted backup export and import.
class BackupRoads {
public:
    explicit BackupRoads(ActionContext& context);

    void exportEncryptedBackup();
    void importEncryptedBackup();

private:
    ActionContext& context_;
};

}  // namespace quorbit
