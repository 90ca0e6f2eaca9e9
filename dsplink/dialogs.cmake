# The DSP dialogs: their rules (no Qt) and their Qt windows. Included by the
# libraries that build them; full paths so any folder can use them.
set(QV_DSP_DIALOG_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/set_chooser.cpp
  ${CMAKE_CURRENT_LIST_DIR}/volume_dialog_logic.cpp
  ${CMAKE_CURRENT_LIST_DIR}/setup_dialog_logic.cpp
)
set(QV_DSP_DIALOG_QT_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/dialog_widgets.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dialog_widgets.h
  ${CMAKE_CURRENT_LIST_DIR}/storedatato.cpp
  ${CMAKE_CURRENT_LIST_DIR}/storedatato.h
  ${CMAKE_CURRENT_LIST_DIR}/setupdsp.cpp
  ${CMAKE_CURRENT_LIST_DIR}/setupdsp.h
  ${CMAKE_CURRENT_LIST_DIR}/setupdspvolume.cpp
  ${CMAKE_CURRENT_LIST_DIR}/setupdspvolume.h
)
