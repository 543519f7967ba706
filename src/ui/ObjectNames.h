#pragma once

// The objectName of every widget that tests look up, one namespace per area.
namespace quorbit::objectnames {

namespace kit {
inline constexpr auto segment = "kitSegment";  // each segment of a SegmentedControl
inline constexpr auto stepperValue = "kitStepperValue";
inline constexpr auto stepperDecrement = "kitStepperDecrement";
inline constexpr auto stepperIncrement = "kitStepperIncrement";
}  // namespace kit

namespace panel {
inline constexpr auto view = "panelView";
inline constexpr auto lockButton = "panelLockButton";
inline constexpr auto settingsButton = "panelSettingsButton";
inline constexpr auto headerMenuButton = "panelHeaderMenuButton";
inline constexpr auto onboarding = "panelOnboarding";
inline constexpr auto lockScreen = "panelLockScreen";
inline constexpr auto unlockButton = "panelUnlockButton";
inline constexpr auto listPage = "panelListPage";
inline constexpr auto searchField = "panelSearchField";
inline constexpr auto filterMenu = "panelFilterMenu";
inline constexpr auto sortMenu = "panelSortMenu";
inline constexpr auto accountList = "panelAccountList";
inline constexpr auto emptyState = "panelEmptyState";
inline constexpr auto emptyTitle = "panelEmptyTitle";
inline constexpr auto emptyMessage = "panelEmptyMessage";
inline constexpr auto footer = "panelFooter";
inline constexpr auto addButton = "panelAddButton";
inline constexpr auto qrButton = "panelQrButton";
inline constexpr auto qrImageAction = "panelQrImageAction";
inline constexpr auto qrScreenAction = "panelQrScreenAction";
inline constexpr auto statusLine = "panelStatusLine";

inline constexpr auto addForm = "panelAddForm";
inline constexpr auto addFormImportImage = "panelAddFormImportImage";
inline constexpr auto addFormReadScreen = "panelAddFormReadScreen";
inline constexpr auto addFormIssuer = "panelAddFormIssuer";
inline constexpr auto addFormAccount = "panelAddFormAccount";
inline constexpr auto addFormSecret = "panelAddFormSecret";
inline constexpr auto addFormCancel = "panelAddFormCancel";
inline constexpr auto addFormSubmit = "panelAddFormSubmit";

// The OTP settings and tag controls, the same in the add form and the sheet.
inline constexpr auto otpType = "panelOtpType";
inline constexpr auto otpAlgorithm = "panelOtpAlgorithm";
inline constexpr auto otpDigits = "panelOtpDigits";
inline constexpr auto otpPeriod = "panelOtpPeriod";
inline constexpr auto otpCounter = "panelOtpCounter";
inline constexpr auto tagChip = "panelTagChip";  // each chip; its text is the tag
inline constexpr auto newTagField = "panelNewTagField";
inline constexpr auto addTagButton = "panelAddTagButton";

inline constexpr auto sheet = "panelOtpSettingsSheet";
inline constexpr auto sheetSave = "panelSheetSave";
inline constexpr auto sheetCancel = "panelSheetCancel";
}  // namespace panel

namespace windows {
// Migration import
inline constexpr auto importWindow = "importWindow";
inline constexpr auto importPanel = "importPanel";
inline constexpr auto importRow = "importRow";
inline constexpr auto importRowCheck = "importRowCheck";
inline constexpr auto importRowTitle = "importRowTitle";
inline constexpr auto importRowName = "importRowName";
inline constexpr auto importRowInvalid = "importRowInvalid";
inline constexpr auto importBatchNotice = "importBatchNotice";
inline constexpr auto importError = "importError";
inline constexpr auto importCancel = "importCancel";
inline constexpr auto importConfirm = "importConfirm";
inline constexpr auto importProgress = "importProgress";

// Data Lifecycle Center
inline constexpr auto lifecycleWindow = "lifecycleWindow";
inline constexpr auto lifecycleCategories = "lifecycleCategories";
inline constexpr auto lifecycleBadge = "lifecycleBadge";
inline constexpr auto lifecycleLoading = "lifecycleLoading";
inline constexpr auto lifecyclePrompt = "lifecyclePrompt";
inline constexpr auto lifecycleEmptyState = "lifecycleEmptyState";
inline constexpr auto lifecycleAccounts = "lifecycleAccounts";
inline constexpr auto lifecycleSelectionCount = "lifecycleSelectionCount";
inline constexpr auto lifecycleRestore = "lifecycleRestore";
inline constexpr auto lifecycleDelete = "lifecycleDelete";
inline constexpr auto lifecycleExport = "lifecycleExport";
inline constexpr auto lifecycleAddTag = "lifecycleAddTag";
inline constexpr auto lifecycleMoveToTrash = "lifecycleMoveToTrash";
inline constexpr auto lifecycleEmptyTrash = "lifecycleEmptyTrash";
inline constexpr auto lifecycleTagSheet = "lifecycleTagSheet";
inline constexpr auto lifecycleTagField = "lifecycleTagField";
inline constexpr auto lifecycleTagCancel = "lifecycleTagCancel";
inline constexpr auto lifecycleTagSave = "lifecycleTagSave";

// Security Center
inline constexpr auto securityCenterWindow = "securityCenterWindow";
inline constexpr auto securityCheckAgain = "securityCheckAgain";
inline constexpr auto securitySummary = "securitySummary";
inline constexpr auto securityLoading = "securityLoading";
inline constexpr auto securityNoIssues = "securityNoIssues";
inline constexpr auto securityNotRun = "securityNotRun";
inline constexpr auto securityNoIssuesSymbol = "securityNoIssuesSymbol";
inline constexpr auto securityIssues = "securityIssues";
inline constexpr auto securitySection = "securitySection";
inline constexpr auto securityIssueCard = "securityIssueCard";
inline constexpr auto securityAffectedAccounts = "securityAffectedAccounts";
inline constexpr auto securityIgnore = "securityIgnore";

// Security Log
inline constexpr auto securityLogWindow = "securityLogWindow";
inline constexpr auto securityLogClear = "securityLogClear";
inline constexpr auto securityLogFilter = "securityLogFilter";
inline constexpr auto securityLogEmpty = "securityLogEmpty";
inline constexpr auto securityLogEvents = "securityLogEvents";
inline constexpr auto securityLogRow = "securityLogRow";
inline constexpr auto securityLogRowDate = "securityLogRowDate";
inline constexpr auto securityLogRowAccount = "securityLogRowAccount";
}  // namespace windows

namespace settings {
inline constexpr auto window = "settingsWindow";
inline constexpr auto tabBar = "settingsTabBar";
// Tab buttons and their pages, in tab order.
inline constexpr auto languageTabButton = "settingsLanguageTabButton";
inline constexpr auto securityTabButton = "settingsSecurityTabButton";
inline constexpr auto importExportTabButton = "settingsImportExportTabButton";
inline constexpr auto behaviorTabButton = "settingsBehaviorTabButton";
inline constexpr auto appTabButton = "settingsAppTabButton";
inline constexpr auto aboutTabButton = "settingsAboutTabButton";
inline constexpr auto languagePage = "settingsLanguagePage";
inline constexpr auto securityPage = "settingsSecurityPage";
inline constexpr auto importExportPage = "settingsImportExportPage";
inline constexpr auto behaviorPage = "settingsBehaviorPage";
inline constexpr auto appPage = "settingsAppPage";
inline constexpr auto aboutPage = "settingsAboutPage";
// On every page: look them up within the page.
inline constexpr auto header = "settingsHeader";
inline constexpr auto statusLine = "settingsStatusLine";
// Language and Security.
inline constexpr auto languagePicker = "settingsLanguagePicker";
inline constexpr auto autoLockPicker = "settingsAutoLockPicker";
inline constexpr auto lockOnSleepToggle = "settingsLockOnSleepToggle";
inline constexpr auto requireUnlockToggle = "settingsRequireUnlockToggle";
inline constexpr auto hideCodesToggle = "settingsHideCodesToggle";
inline constexpr auto showIntroductionButton = "settingsShowIntroductionButton";
inline constexpr auto iterationsField = "settingsIterationsField";
inline constexpr auto iterationsWarning = "settingsIterationsWarning";
inline constexpr auto saltField = "settingsSaltField";
inline constexpr auto securityCenterButton = "settingsSecurityCenterButton";
inline constexpr auto securityLogButton = "settingsSecurityLogButton";
inline constexpr auto dataLifecycleButton = "settingsDataLifecycleButton";
inline constexpr auto lockNowButton = "settingsLockNowButton";
// Import / Export.
inline constexpr auto importQRImageButton = "settingsImportQRImageButton";
inline constexpr auto readQRFromScreenButton = "settingsReadQRFromScreenButton";
inline constexpr auto uriTextEditor = "settingsUriTextEditor";
inline constexpr auto importTextButton = "settingsImportTextButton";
inline constexpr auto importTextFileButton = "settingsImportTextFileButton";
inline constexpr auto importBackupButton = "settingsImportBackupButton";
inline constexpr auto cancelImportButton = "settingsCancelImportButton";
inline constexpr auto exportBackupButton = "settingsExportBackupButton";
inline constexpr auto exportURIsButton = "settingsExportURIsButton";
inline constexpr auto recoveryKitButton = "settingsRecoveryKitButton";
inline constexpr auto deleteAllButton = "settingsDeleteAllButton";
// Behavior and App.
inline constexpr auto copyOnClickToggle = "settingsCopyOnClickToggle";
inline constexpr auto closeAfterCopyToggle = "settingsCloseAfterCopyToggle";
inline constexpr auto openPanelShortcutPicker = "settingsOpenPanelShortcutPicker";
inline constexpr auto copyCodeShortcutPicker = "settingsCopyCodeShortcutPicker";
inline constexpr auto shortcutConflictWarning = "settingsShortcutConflictWarning";
inline constexpr auto resetShortcutsButton = "settingsResetShortcutsButton";
inline constexpr auto showTrashToggle = "settingsShowTrashToggle";
inline constexpr auto codeFormatPicker = "settingsCodeFormatPicker";
inline constexpr auto launchAtLoginToggle = "settingsLaunchAtLoginToggle";
inline constexpr auto themePicker = "settingsThemePicker";
}  // namespace settings

namespace onboarding {
inline constexpr char languagePicker[] = "onboardingLanguagePicker";
inline constexpr char stepLabel[] = "onboardingStepLabel";
inline constexpr char stepSymbol[] = "onboardingStepSymbol";
inline constexpr char stepTitle[] = "onboardingStepTitle";
inline constexpr char back[] = "onboardingBack";
inline constexpr char continueButton[] = "onboardingContinue";
inline constexpr char addAccount[] = "onboardingAddAccount";
inline constexpr char importAccounts[] = "onboardingImport";
inline constexpr char openApp[] = "onboardingOpenApp";
inline constexpr char skip[] = "onboardingSkip";
inline constexpr char shortTitle[] = "onboardingShortTitle";
inline constexpr char openFullIntroduction[] = "onboardingOpenFullIntroduction";
inline constexpr char shortOpenApp[] = "onboardingShortOpenApp";
inline constexpr char shortSkip[] = "onboardingShortSkip";
}  // namespace onboarding

namespace about {
inline constexpr char version[] = "aboutVersion";
inline constexpr char donationSection[] = "aboutDonationSection";
inline constexpr char changelog[] = "aboutChangelog";
inline constexpr char metadataPath[] = "aboutMetadataPath";
inline constexpr char diagnostics[] = "aboutDiagnostics";
inline constexpr char status[] = "aboutStatus";
inline constexpr char walletCopy[] = "donationWalletCopy";
inline constexpr char walletQr[] = "donationWalletQr";
inline constexpr char qrSheet[] = "donationQrSheet";
inline constexpr char qrImage[] = "donationQrImage";
}  // namespace about

namespace app {
inline constexpr auto panelWindow = "appPanelWindow";
inline constexpr auto aboutWindow = "appAboutWindow";
inline constexpr auto trayMenu = "appTrayMenu";
}  // namespace app

namespace platform {
inline constexpr auto passwordField = "platformPasswordField";
}  // namespace platform

}  // namespace quorbit::objectnames
