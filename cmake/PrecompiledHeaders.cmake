# Precompiled Qt (and GoogleTest) headers: most of a build's time went into
# parsing the same Qt headers for every source file.
option(VOLTARIS_PCH "Precompile the Qt and GoogleTest headers" ON)
if(NOT VOLTARIS_PCH)
  return()
endif()

set(voltaris_qt_headers
  <QApplication> <QDialog> <QKeyEvent> <QLabel> <QLineEdit> <QPushButton> <QRadioButton>
  <QString> <array> <functional> <map> <memory> <string> <vector>)
set(voltaris_test_headers ${voltaris_qt_headers} <QTest> <QTimer> <gtest/gtest.h>)

# One header per kind of target, reused by the targets that share its Qt
# modules and definitions: compiling a header costs as much as ten sources.
target_precompile_headers(voltaris_platform PRIVATE ${voltaris_qt_headers})
foreach(target voltaris_forms voltaris_app voltaris_screenshots form_bench)
  if(TARGET ${target})
    target_precompile_headers(${target} REUSE_FROM voltaris_platform)
  endif()
endforeach()
target_precompile_headers(voltaris_test_support PRIVATE ${voltaris_test_headers})
foreach(target framework_tests forms_tests app_tests display_tests)
  target_precompile_headers(${target} REUSE_FROM voltaris_test_support)
endforeach()
