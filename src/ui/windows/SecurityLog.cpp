#include "ui/windows/SecurityLog.h"

#include "ui/viewmodel/QuorbitViewModel.h"

namespace quorbit {

SecurityLog::SecurityLog(QuorbitViewModel& viewModel, QWidget* parent) : QWidget(parent), viewModel_(viewModel) {
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint);
    setWindowTitle(QString::fromUtf8(localized(viewModel.settings().language, "Security Log", "Журнал безопасности")));
    resize(520, 480);
}

}  // namespace quorbit
