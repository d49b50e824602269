# One precompiled header for the Qt includes, shared by every target so that
# the 2-core build machines compile it once.
add_library(ambertide_pch STATIC ${CMAKE_CURRENT_LIST_DIR}/pch.cpp)
target_link_libraries(ambertide_pch PUBLIC Qt6::Core)
target_precompile_headers(ambertide_pch PRIVATE
  <QString> <QStringList> <QByteArray> <QList> <QHash> <QMap> <QVariant>
  <QDateTime> <QFile> <QFileInfo> <QDir> <QRegularExpression>
  <memory> <vector> <functional> <stdexcept>)

# ambertide_library(name SOURCES ... DEPENDS ...)
function(ambertide_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_DEPENDS})
  target_precompile_headers(${name} REUSE_FROM ambertide_pch)
endfunction()

# ambertide_test(name SOURCES ... DEPENDS ...): one GoogleTest executable per
# layer, registered with ctest.
function(ambertide_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPENDS} testcommon GTest::gmock GTest::gtest)
  target_precompile_headers(${name} REUSE_FROM ambertide_pch)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 120
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
