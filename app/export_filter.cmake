# File -> "Export Filter...": the command and the dialog's rules (no Qt) and
# the Qt dialog. Included by app/CMakeLists.txt.
set(QV_APP_EXPORT_CORE_SOURCES ${CMAKE_CURRENT_LIST_DIR}/export_filter.cpp)
set(QV_APP_EXPORT_QT_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/export_filter_dlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/export_filter_dlg.h)
