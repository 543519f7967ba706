#pragma once

#include <set>
#include <string>
#include <vector>

#include <QWidget>

#include "domain/AppLanguage.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace quorbit {

class FlowLayout;

// The tags of the add form and the sheet: one chip per known tag (checked when selected) in a
// wrapping grid, a field for a new tag and "Add tag". Shows what it is given; reports only
// the user's actions.
class TagPicker : public QWidget {
    Q_OBJECT
public:
    explicit TagPicker(QWidget* parent = nullptr);

    void setLanguage(AppLanguage language);
    void setTags(const std::vector<std::string>& known, const std::set<std::string>& selected);
    void setNewTag(const QString& text);

signals:
    void tagToggled(const std::string& tag);
    void newTagEdited(const QString& text);
    void addTagRequested();

protected:
    void changeEvent(QEvent* event) override;

private:
    void rebuildChips(const std::vector<std::string>& known);
    void showSelection();
    void showAddTagState();

    QLabel* heading_;
    QWidget* chipArea_;
    FlowLayout* chips_;
    QLineEdit* newTag_;
    QPushButton* addTag_;
    std::vector<std::string> known_;
    std::set<std::string> selected_;
    std::vector<QPushButton*> chipButtons_;
};

}  // namespace quorbit
