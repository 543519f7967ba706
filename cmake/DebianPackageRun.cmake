# Read by cpack when it runs. `cpack -D QUORBIT_PACKAGE_CHECK_ONLY=ON` makes a package only for
# checking what lands where: without the library dependencies, which dpkg-shlibdeps takes half a
# minute to work out from the sanitizer build's million relocations.
if(QUORBIT_PACKAGE_CHECK_ONLY)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS OFF)
endif()
