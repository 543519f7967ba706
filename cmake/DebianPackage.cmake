# `cpack` in a build folder (scripts/package) makes a Debian package of what `cmake --install`
# puts in place, under /usr and /etc.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorbit)
set(CPACK_PACKAGE_VENDOR "The Quorbit developers")
set(CPACK_PACKAGE_CONTACT "The Quorbit developers <quorbit@example.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "local two-factor authenticator in the system tray")
set(CPACK_PACKAGE_DESCRIPTION
  "Quorbit shows the time-based (TOTP) and counter-based (HOTP) codes of your accounts from the system tray, copies them with a click and keeps their secrets in the system keyring (Secret Service). Codes are unlocked with your account password through PAM. Nothing is sent off the computer.")
# The PAM file goes to the absolute /etc/pam.d, which only a DESTDIR staging catches; staged
# that way, CPack installs with CPACK_INSTALL_PREFIX as the prefix.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Secrets need a Secret Service provider on the session bus; the PAM file includes
# libpam-runtime's common-auth.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "gnome-keyring | libkf5wallet-bin | keepassxc, libpam-runtime")
# Without Qt's translations the standard buttons and file dialogs stay English in Russian.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
# Files under /etc are the admin's to edit: dpkg keeps their changes and purge removes them.
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/debian/conffiles "/etc/pam.d/quorbit\n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_CURRENT_BINARY_DIR}/debian/conffiles)

set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/DebianPackageRun.cmake)

include(CPack)
