#include "ui/windows/DataLifecycleCenter.h"

#include "ui/viewmodel/QuorbitViewModel.h"

namespace quorbit {

DataLifecycleCenter::DataLifecycleCenter(QuorbitViewModel& viewModel, QWidget* parent) : QWidget(parent), viewModel_(viewModel) {
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint);
    setWindowTitle(QString::fromUtf8(localized(viewModel.settings().language, "Data Lifecycle", "Жизненный цикл данных")));
    resize(680, 540);
}

}  // namespace quorbit
