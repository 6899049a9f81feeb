# What a Windows player unpacks and plays: quorvel.exe beside the Grafik folder, in
# build-windows/quorvel-windows.zip, with LIESMICH.txt, as the player never sees our README.
set(LIESMICH_FILE ${CMAKE_SOURCE_DIR}/platform/windows/LIESMICH.txt)
file(GLOB GRAFIK_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/Grafik/*)
set(ZIP_FOLDER ${CMAKE_BINARY_DIR}/quorvel-windows)
set(ZIP_FILE ${CMAKE_BINARY_DIR}/quorvel-windows.zip)
add_custom_command(OUTPUT ${ZIP_FILE}
                   COMMAND ${CMAKE_COMMAND} -E rm -rf ${ZIP_FOLDER} ${ZIP_FILE}
                   COMMAND ${CMAKE_COMMAND} -E make_directory ${ZIP_FOLDER}
                   COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:quorvel> ${LIESMICH_FILE}
                           ${ZIP_FOLDER}
                   COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/Grafik
                           ${ZIP_FOLDER}/Grafik
                   COMMAND ${CMAKE_COMMAND} -E chdir ${ZIP_FOLDER} ${CMAKE_COMMAND} -E tar cf
                           ${ZIP_FILE} --format=zip $<TARGET_FILE_NAME:quorvel> LIESMICH.txt Grafik
                   DEPENDS quorvel ${LIESMICH_FILE} ${GRAFIK_FILES}
                   VERBATIM)
add_custom_target(quorvel_windows_zip ALL DEPENDS ${ZIP_FILE})
