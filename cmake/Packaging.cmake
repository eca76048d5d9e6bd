# The Debian package: `cmake --build build --target package` writes
# build/velmora_<version>_<arch>.deb. Its library dependencies come from
# dpkg-shlibdeps; the image readers the program offers for TIFF and WebP, and
# for HEIF/HEIC, AVIF, JPEG XL and camera RAW, are plug-ins, which no linker
# sees, so they are named here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velmora)
set(CPACK_PACKAGE_VENDOR Tarnwick)
set(CPACK_PACKAGE_CONTACT "Tarnwick <velmora@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "lays out photographs on pages and prints them")
set(CPACK_PACKAGE_DESCRIPTION
  "Velmora lays photographs out on printed pages: pick the photos, choose a\n\
paper and a photo size or a layout of frames, and it fills as many pages as\n\
it needs, each photo turned and cropped to its frame. The pages are printed,\n\
saved as PDF or exported as JPEG files, also from the command line.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://velmora.example.org/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt5-image-formats-plugins, kimageformat-plugins, liblcms2-2")
include(CPack)
