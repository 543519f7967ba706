#pragma once

#include <set>
#include <string>
#include <vector>

#include <QString>

#include <qcoro/qcorotask.h>

#include "domain/OtpAccount.h"
#include "domain/OtpSettingsDraft.h"

namespace quorbit {

class ActionContext;

// The add form, the OTP settings editor and the tag groups they offer.
class AccountEditing {
public:
    explicit AccountEditing(ActionContext& context);

    void resetAddForm();
    QCoro::Task<> addManual();
    void addManualTag();
    void addEditorTag();
    void toggleTag(const std::string& tag, std::set<std::string>& tags) const;
    void beginEditingTags(const OtpAccount& account);
    void cancelEditingTags();
    QCoro::Task<> saveEditedTags();
    QCoro::Task<> saveGroups(std::vector<std::string> groups);

private:
    void addTagFromText(const QString& text, std::set<std::string>& selectedTags);
    OtpSettingsDraft editedSettings(const OtpAccount& loaded, std::vector<std::string> tags) const;
    QCoro::Task<> saveGroupsWith(const std::vector<std::string>& tags);

    ActionContext& context_;
};

}  // namespace quorbit
