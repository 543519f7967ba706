#include "ui/windows/DonationWalletFile.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

namespace quorbit {

std::map<std::string, std::string> DonationWalletFile::addresses(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll());
    std::map<std::string, std::string> found;
    const QJsonObject wallets = document.object();
    for (auto entry = wallets.begin(); entry != wallets.end(); ++entry) {
        if (entry.value().isString()) found[entry.key().toStdString()] = entry.value().toString().toStdString();
    }
    return found;
}

}  // namespace quorbit
