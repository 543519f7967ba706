#pragma once

#include <QList>
#include <QUrl>

#include "ui/viewmodel/ports/DesktopServices.h"

namespace quorbit::test {

// Records every address it was asked to open; opening succeeds unless told otherwise.
class FakeDesktopServices final : public DesktopServices {
public:
    bool openUrl(const QUrl& url) override {
        opened_.append(url);
        return succeeds_;
    }
    void setSucceeds(bool succeeds) { succeeds_ = succeeds; }
    const QList<QUrl>& opened() const { return opened_; }

private:
    QList<QUrl> opened_;
    bool succeeds_ = true;
};

}  // namespace quorbit::test
