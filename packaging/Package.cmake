# The Debian package, made by CPack: vantor_<version>_<arch>.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vantor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Vantor developers")
set(CPACK_PACKAGE_CONTACT "The Vantor developers <vantor@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "contest logger for the ARRL November Sweepstakes")
# Extended description: CPack indents each line; Debian wants them under 80 columns.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Vantor logs one Sweepstakes contest. The operator types each exchange as it"
    "is copied, without Tab or Space; Vantor refuses duplicates, stamps each"
    "contact with UTC date, time and band, and writes it to disk at once."
    ""
    "It keeps the score, the sections worked, the rates and the operating time,"
    "lets any contact be edited or deleted, and writes the log, the dupe sheet,"
    "the summary sheet and the Cabrillo file for the sponsor. Every file is"
    "plain text in the contest folder.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://vantor.example.org")
# The Qt libraries come from dpkg-shlibdeps; the window system's plugin is loaded at
# run time, so it is named here. The station programs are welcome, not needed.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libhamlib-utils, cwdaemon, hamradio-files")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_SOURCE_GENERATOR "")
include(CPack)
