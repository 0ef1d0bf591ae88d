# Where an install puts each piece. The programs share bin; the user's guide
# goes to share/tessaly, which the publisher searches after its own folder
# (core/platform/BesideProgram.h), so a /usr install and the build tree both work.
include(GNUInstallDirs)

set(TESSALY_LINUX_DIR "${PROJECT_SOURCE_DIR}/packaging/linux")
set(TESSALY_DATADIR "${CMAKE_INSTALL_DATADIR}/tessaly")

foreach(program IN ITEMS tessaly publisher selector)
  if(TARGET ${program})
    install(TARGETS ${program} RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")
  endif()
endforeach()

# The movie library, which the programs load the first time they read a movie,
# in their private library folder (media/ModuleMovieTools.cpp looks there).
if(TARGET tessaly-media)
  install(TARGETS tessaly-media LIBRARY DESTINATION "${TESSALY_MODULE_DIR}")
endif()

# The guide is built beside the programs once its sources exist.
install(FILES "${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/publisher.pdf" DESTINATION "${TESSALY_DATADIR}" OPTIONAL)

if(TARGET publisher)
  install(FILES "${TESSALY_LINUX_DIR}/example.tessaly.Publisher.desktop"
          DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
  install(FILES "${TESSALY_LINUX_DIR}/example.tessaly.Publisher.metainfo.xml"
          DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")
  # The project file type, so a file manager opens projects in the publisher.
  install(FILES "${TESSALY_LINUX_DIR}/example.tessaly.Publisher.mime.xml"
          DESTINATION "${CMAKE_INSTALL_DATADIR}/mime/packages")
endif()
if(TARGET selector)
  install(FILES "${TESSALY_LINUX_DIR}/example.tessaly.Selector.desktop"
          DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
endif()

if(TARGET publisher OR TARGET selector)
  set(TESSALY_ICON_SIZES 16 22 24 32 48 64 128 256)
  foreach(icon IN ITEMS tessaly tessaly-selector)
    foreach(size IN LISTS TESSALY_ICON_SIZES)
      install(FILES "${TESSALY_LINUX_DIR}/icons/${size}x${size}/${icon}.png"
              DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps")
    endforeach()
    install(FILES "${TESSALY_LINUX_DIR}/icons/${icon}.svg"
            DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps")
  endforeach()
endif()
if(TARGET publisher)
  set(icon application-x-tessaly-project)
  foreach(size IN LISTS TESSALY_ICON_SIZES)
    install(FILES "${TESSALY_LINUX_DIR}/icons/${size}x${size}/${icon}.png"
            DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/mimetypes")
  endforeach()
  install(FILES "${TESSALY_LINUX_DIR}/icons/${icon}.svg"
          DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/mimetypes")
endif()

# Debian ships manual pages compressed, without a time stamp.
foreach(program IN ITEMS tessaly publisher)
  if(TARGET ${program})
    set(man_gz "${CMAKE_CURRENT_BINARY_DIR}/${program}.1.gz")
    add_custom_command(OUTPUT "${man_gz}"
      COMMAND gzip -9 -n -c "${TESSALY_LINUX_DIR}/${program}.1" > "${man_gz}"
      DEPENDS "${TESSALY_LINUX_DIR}/${program}.1" VERBATIM)
    add_custom_target(${program}_man ALL DEPENDS "${man_gz}")
    install(FILES "${man_gz}" DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")
  endif()
endforeach()
