# File -> "Import Measurement..." and "Average Measurements...": the commands and the dialog's rules (no Qt)
# and the Qt dialog. Included by app/CMakeLists.txt and by the tests.
set(QV_APP_IMPORT_CORE_SOURCES ${CMAKE_CURRENT_LIST_DIR}/import_measurement.cpp
  ${CMAKE_CURRENT_LIST_DIR}/average_measurements.cpp)
set(QV_APP_IMPORT_QT_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/import_options_box.cpp
  ${CMAKE_CURRENT_LIST_DIR}/import_options_box.h
  ${CMAKE_CURRENT_LIST_DIR}/import_measurement_dlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/import_measurement_dlg.h
  ${CMAKE_CURRENT_LIST_DIR}/average_measurements_dlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/average_measurements_dlg.h)
