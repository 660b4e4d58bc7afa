# The Debian package built by `cpack` in the build folder (scripts/package):
# build/sahdict_<version>_<arch>.deb with everything the install rules place
# under /usr.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME sahdict)
set(CPACK_PACKAGE_VENDOR "Korvane")
set(CPACK_PACKAGE_CONTACT "Sah Dictionary developers <sahdict@example.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL "http://www.example.org/sahdict/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PRE_BUILD_SCRIPTS "${CMAKE_CURRENT_LIST_DIR}/StripSections.cmake")
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION text)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps names the libraries' packages; the xcb platform plugin comes
# with libqt6gui6, which the program links against.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The Russian spelling dictionary lets the search find inflected Russian words;
# Qt's own translations put its standard menus and dialogs into Russian.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "hunspell-ru, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Russian-Sakha dictionary for the desktop
A bilingual dictionary between Russian and Sakha with a Russian-language
window. The word list follows what is typed, articles open in windows of
their own, and when no word matches the closest words are offered. Sakha
letters can be typed in a letter notation or with the real letters.
.
The program also builds the forms of Sakha nouns, guesses whether a word is
Russian or Sakha and counts the dictionary's entries. The companion
sahdict-tool checks, compiles and queries the dictionary source on the
command line.")

include(CPack)
