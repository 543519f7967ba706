#include "ui/viewmodel/actions/ActionContext.h"

#include "ui/viewmodel/ports/QuorbitViewModelPorts.h"

namespace quorbit {

bool ActionContext::confirm(DialogPresenter::AlertStyle style, std::string_view message,
                            std::string_view informativeText, std::string_view firstButton, bool destructive) {
    return ports()
        .dialogs
        .showAlert({
            .style = style,
            .message = std::string(message),
            .informativeText = std::string(informativeText),
            .firstButton = std::string(firstButton),
            .cancelButton = text("Cancel", "Отмена").toStdString(),
            .checkBoxTitle = std::nullopt,
            .checkBoxChecked = false,
            .destructive = destructive,
        })
        .firstButtonChosen;
}

}  // namespace quorbit
