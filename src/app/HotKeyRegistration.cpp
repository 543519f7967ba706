#include "app/HotKeyRegistration.h"

#include "application/ports/GlobalHotKeyRegistrationError.h"
#include "application/ports/GlobalHotKeyService.h"
#include "application/text/AppLocalizer.h"
#include "ui/viewmodel/QuorbitViewModel.h"

namespace quorbit {

HotKeyRegistration::HotKeyRegistration(GlobalHotKeyService& service, QuorbitViewModel& viewModel)
    : service_(service), viewModel_(viewModel) {}

void HotKeyRegistration::registerHotKeys(const AppSettings& settings) {
    try {
        registerAll(settings);
    } catch (const std::exception& error) {
        const QString text = QString::fromStdString(AppLocalizer(settings.language).hotKeyRegistrationError(error));
        hotKeyStatusMessage_ = text;
        viewModel_.setStatusMessage(text);
        return;
    }
    if (viewModel_.statusMessage() == hotKeyStatusMessage_) viewModel_.setStatusMessage(std::nullopt);
    hotKeyStatusMessage_.reset();
}

void HotKeyRegistration::registerAll(const AppSettings& settings) {
    service_.unregisterAll();
    const auto openKey = settings.openPanelShortcut.registrationKey();
    const auto copyKey = settings.copyCodeShortcut.registrationKey();
    if (openKey && copyKey && *openKey == *copyKey) throw GlobalHotKeyRegistrationError::duplicateShortcut();
    service_.installEventHandlerIfNeeded();
    if (settings.openPanelShortcut.isEnabled) {
        service_.registerShortcut(settings.openPanelShortcut, KeyboardShortcutAction::openPanel);
    }
    if (settings.copyCodeShortcut.isEnabled) {
        service_.registerShortcut(settings.copyCodeShortcut, KeyboardShortcutAction::copyCode);
    }
}

}  // namespace quorbit
