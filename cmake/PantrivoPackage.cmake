# The Debian package (make package, or cpack -G DEB in the build folder): what make install
# places, under /usr, with the packages the installed program needs to run.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pantrivo)
set(CPACK_PACKAGE_VENDOR "Pantrivo")
set(CPACK_PACKAGE_CONTACT "Pantrivo developers <pantrivo@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Recipes, shopping lists, menus and food storage for the home kitchen")
set(CPACK_PACKAGE_DESCRIPTION
    "Pantrivo keeps a recipe file of eight cookbooks sorted into recipe types, finds recipes by name or\n"
    "ingredient, scales them, checks their spelling, prints them and moves them between machines.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The run-time half of scripts/setup.sh's list: Qt's libraries and platform plug-ins (libqt6gui6
# carries the JPEG reader for the pictures), the spell check and its dictionary, the fonts.
set(PANTRIVO_RUNTIME_LIBRARY_PACKAGES
  libqt6core6
  libqt6gui6
  libqt6widgets6
  libqt6printsupport6
  libhunspell-1.7-0
)
set(PANTRIVO_RUNTIME_PACKAGES
  qt6-qpa-plugins
  hunspell-en-us
  fonts-liberation2
  fonts-dejavu-core
)
# dpkg-shlibdeps (dpkg-dev) names the libraries the program links, with the versions it was
# linked against; without it the library packages are named here, unversioned.
find_program(PANTRIVO_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(PANTRIVO_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
  list(PREPEND PANTRIVO_RUNTIME_PACKAGES ${PANTRIVO_RUNTIME_LIBRARY_PACKAGES})
endif()
list(JOIN PANTRIVO_RUNTIME_PACKAGES ", " CPACK_DEBIAN_PACKAGE_DEPENDS)
include(CPack)
