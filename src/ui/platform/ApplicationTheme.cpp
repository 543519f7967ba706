#include "ui/platform/ApplicationTheme.h"

#include "ui/kit/Theme.h"
#include "ui/viewmodel/QuorbitViewModel.h"

namespace quorbit {

ApplicationTheme::ApplicationTheme(QuorbitViewModel& viewModel, QObject* parent)
    : QObject(parent), viewModel_(viewModel) {
    connect(&viewModel_, &QuorbitViewModel::themeChanged, this, &ApplicationTheme::apply);
    apply();
}

void ApplicationTheme::apply() { Theme::apply(viewModel_.settings().theme); }

}  // namespace quorbit
