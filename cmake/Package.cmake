# The Debian package: `cpack --preset deb` after a release build.
set(CPACK_PACKAGE_NAME tessaly)
set(CPACK_PACKAGE_VENDOR "The Tessaly developers")
set(CPACK_PACKAGE_CONTACT "The Tessaly developers <dev@tessaly.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "authoring tool for 360-degree web video")
set(CPACK_PACKAGE_DESCRIPTION
  "Tessaly turns a spherical or cylindrical panorama movie into a self-contained
web page: a WebGL viewer with its options, up to ten timed hot spots and
copies of the movie, in one folder ready to upload.
.
This package holds the publisher (the main window, with a preview player),
the selector (a WebGL/Flash redirect page maker) and the tessaly command.")
set(CPACK_PACKAGE_HOMEPAGE_URL "${PROJECT_HOMEPAGE_URL}")
set(CPACK_STRIP_FILES ON)

set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What the libraries load at run time, which dpkg-shlibdeps cannot see: the X11
# platform plugin, the GStreamer elements the preview needs for mp4 (H.264/AAC)
# and webm (VP8/VP9/Vorbis/Opus), the fonts the windows are drawn with, and the
# ffmpeg command that makes the web versions.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "qt6-qpa-plugins, gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, gstreamer1.0-libav, fonts-liberation, ffmpeg")
# Wayland sessions, and the About links and the user's guide opened by the desktop.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, xdg-utils")

include(CPack)
