#include "app/PlaceholderWindowFactory.h"

#include <QPointer>
#include <QVBoxLayout>
#include <QWidget>

#include "app/PlaceholderView.h"

namespace quorbit {
namespace {

class PlaceholderWindowHolder final : public WindowHolder {
public:
    PlaceholderWindowHolder(QString title, QSize size) : title_(std::move(title)), size_(size) {}
    ~PlaceholderWindowHolder() override { delete window_; }

    void show() override {
        if (!window_) {
            window_ = new QWidget(nullptr, Qt::Window | Qt::WindowStaysOnTopHint);
            window_->setAttribute(Qt::WA_DeleteOnClose);
            window_->setWindowTitle(title_);
            window_->resize(size_);
            (new QVBoxLayout(window_))->addWidget(new PlaceholderView(title_, window_));
        }
        window_->show();
        window_->raise();
        window_->activateWindow();
    }
    void close() override {
        if (window_) window_->close();
    }

private:
    QString title_;
    QSize size_;
    QPointer<QWidget> window_;
};

}  // namespace

std::unique_ptr<WindowHolder> PlaceholderWindowFactory::makeSecurityAuditWindow(QuorbitViewModel&) {
    return std::make_unique<PlaceholderWindowHolder>(QStringLiteral("Security Center"), QSize(520, 480));
}

std::unique_ptr<WindowHolder> PlaceholderWindowFactory::makeSecurityLogWindow(QuorbitViewModel&) {
    return std::make_unique<PlaceholderWindowHolder>(QStringLiteral("Security Log"), QSize(520, 480));
}

std::unique_ptr<WindowHolder> PlaceholderWindowFactory::makeDataLifecycleWindow(QuorbitViewModel&) {
    return std::make_unique<PlaceholderWindowHolder>(QStringLiteral("Data Lifecycle Center"), QSize(680, 540));
}

std::unique_ptr<WindowHolder> PlaceholderWindowFactory::makeGoogleAuthImportWindow(QuorbitViewModel&,
                                                                                   std::vector<GoogleAuthAccount>, bool,
                                                                                   std::function<void()> onComplete) {
    if (onComplete) onComplete();
    return std::make_unique<PlaceholderWindowHolder>(QStringLiteral("Google Authenticator import"), QSize(760, 640));
}

}  // namespace quorbit
