#include "ui/platform/QtTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>

#include "ui/viewmodel/QuorbitViewModel.h"

namespace quorbit {

QtTranslation::QtTranslation(QObject* parent) : QObject(parent) {}

QtTranslation::~QtTranslation() {
    if (installed_) QCoreApplication::removeTranslator(&translator_);
}

void QtTranslation::follow(const QuorbitViewModel& viewModel) {
    connect(&viewModel, &QuorbitViewModel::settingsChanged, this,
            [this, &viewModel] { setLanguage(viewModel.settings().language); });
    setLanguage(viewModel.settings().language);
}

void QtTranslation::setLanguage(AppLanguage language) {
    if (language_ == language) return;
    language_ = language;
    if (installed_) QCoreApplication::removeTranslator(&translator_);
    installed_ = false;
    // English is Qt's source language: no catalogue needed.
    if (language != AppLanguage::russian) return;
    if (translator_.load(QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        installed_ = QCoreApplication::installTranslator(&translator_);
    }
}

}  // namespace quorbit
