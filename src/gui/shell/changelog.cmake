# The change history resource ":/changelog". Its first line, the version line,
# comes from project(... VERSION ...) in the top-level CMakeLists.txt, the one
# place the version is set; the rest of the history is data/changelog as it is.
configure_file(${PROJECT_SOURCE_DIR}/data/changelog ${CMAKE_CURRENT_BINARY_DIR}/changelog @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog.qrc.in ${CMAKE_CURRENT_BINARY_DIR}/changelog.qrc
               @ONLY)
target_sources(tarvinel_gui PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/changelog.qrc)
