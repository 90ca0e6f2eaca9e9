# The small curve dialogs of the main window: their rules (no Qt) and the
# Qt dialogs that bind to them, compiled into qv_app_core and qv_app_qt.
set(QV_APP_DIALOG_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/curve_dialog_logic.cpp
  ${CMAKE_CURRENT_LIST_DIR}/correction_dialog_logic.cpp
)
set(QV_APP_DIALOG_QT_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/constant_dlg.cpp ${CMAKE_CURRENT_LIST_DIR}/constant_dlg.h
  ${CMAKE_CURRENT_LIST_DIR}/addconstant.cpp ${CMAKE_CURRENT_LIST_DIR}/addconstant.h
  ${CMAKE_CURRENT_LIST_DIR}/mulconstant.cpp ${CMAKE_CURRENT_LIST_DIR}/mulconstant.h
  ${CMAKE_CURRENT_LIST_DIR}/cutimpuls.cpp ${CMAKE_CURRENT_LIST_DIR}/cutimpuls.h
  ${CMAKE_CURRENT_LIST_DIR}/about.cpp ${CMAKE_CURRENT_LIST_DIR}/about.h
  ${CMAKE_CURRENT_LIST_DIR}/SetupHardware.cpp ${CMAKE_CURRENT_LIST_DIR}/SetupHardware.h
  ${CMAKE_CURRENT_LIST_DIR}/correction_dlg.cpp ${CMAKE_CURRENT_LIST_DIR}/correction_dlg.h
)
