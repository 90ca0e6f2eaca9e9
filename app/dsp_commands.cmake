# The DSP menu commands (no Qt). Full paths so any folder can use them.
set(QV_APP_DSP_CORE_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/dsp_commands.cpp
)
