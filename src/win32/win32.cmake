# The Windows edition: the windows against the Win32 back end, one statically linked sorvel.exe
# that carries its icon, version, manifest and the program's face.
enable_language(RC)

add_executable(sorvel_win WIN32
    src/win32/win32_main.cpp
    src/win32/win32_backend.h src/win32/win32_backend.cpp
    src/win32/win32_window.h src/win32/win32_window.cpp
    src/win32/native_control.h src/win32/native_control.cpp
    src/win32/win32_controls.h src/win32/win32_controls.cpp
    src/win32/picture_window.h src/win32/picture_window.cpp
    src/win32/focus_ring.h src/win32/focus_ring.cpp
    src/win32/keyboard.h src/win32/keyboard.cpp
    src/win32/paced_timer.h src/win32/paced_timer.cpp
    src/win32/gdi_text_painter.h src/win32/gdi_text_painter.cpp
    src/win32/program_face.h src/win32/program_face.cpp
    src/win32/dpi.h src/win32/dpi.cpp
    src/win32/accessibility.h src/win32/accessibility.cpp
    src/win32/utf16.h src/win32/utf16.cpp
    src/win32/windows_api.h
    ${CMAKE_CURRENT_BINARY_DIR}/sorvel.rc)
set_target_properties(sorvel_win PROPERTIES OUTPUT_NAME sorvel)
target_link_libraries(sorvel_win PRIVATE sorvel_windows comctl32 ole32 oleaut32 uuid)
# Unicode entry point; no DLL beyond what Windows ships: the C++ and thread runtimes linked in.
target_link_options(sorvel_win PRIVATE -municode -static -static-libgcc -static-libstdc++ $<$<CONFIG:Release>:-s>)
target_compile_definitions(sorvel_win PRIVATE UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0A00)
sorvel_warnings(sorvel_win)

set(SORVEL_WIN_RESOURCES ${CMAKE_CURRENT_SOURCE_DIR}/src/win32/resources)
# The program's face, cut from Debian's Liberation Sans by the page's own step, as TrueType.
find_file(SORVEL_SANS_REGULAR LiberationSans-Regular.ttf PATHS /usr/share/fonts/truetype/liberation2
          NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
find_program(SORVEL_FONT_PYTHON python3 PATHS /usr/bin NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
set(SORVEL_FACE ${CMAKE_CURRENT_BINARY_DIR}/sorvel-sans-regular.ttf)
add_custom_command(
    OUTPUT ${SORVEL_FACE}
    COMMAND ${SORVEL_FONT_PYTHON} ${CMAKE_CURRENT_SOURCE_DIR}/src/web/page/subset_font.py ${SORVEL_SANS_REGULAR}
            ${SORVEL_FACE}
    DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/src/web/page/subset_font.py ${SORVEL_SANS_REGULAR}
    COMMENT "Cutting the program's face from Liberation Sans")
set(SORVEL_ICON_SIZES 16 24 32 48 64 128 256)
set(SORVEL_ICON_PNGS)
foreach(size ${SORVEL_ICON_SIZES})
    list(APPEND SORVEL_ICON_PNGS ${CMAKE_CURRENT_SOURCE_DIR}/packaging/icons/sorvel-${size}.png)
endforeach()
set(SORVEL_ICON ${CMAKE_CURRENT_BINARY_DIR}/sorvel.ico)
add_custom_command(
    OUTPUT ${SORVEL_ICON}
    COMMAND ${SORVEL_FONT_PYTHON} ${SORVEL_WIN_RESOURCES}/pack_icon.py ${SORVEL_ICON} ${SORVEL_ICON_PNGS}
    DEPENDS ${SORVEL_WIN_RESOURCES}/pack_icon.py ${SORVEL_ICON_PNGS}
    COMMENT "Packing the icon")
set(SORVEL_VERSION_QUAD ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.0.0)
set(SORVEL_VERSION_COMMAS ${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},0,0)
set(SORVEL_MANIFEST ${CMAKE_CURRENT_BINARY_DIR}/sorvel.manifest)
set(SORVEL_RESOURCE_IDS ${SORVEL_WIN_RESOURCES}/resource_ids.h)
configure_file(${SORVEL_WIN_RESOURCES}/sorvel.manifest ${SORVEL_MANIFEST} @ONLY)
configure_file(${SORVEL_WIN_RESOURCES}/sorvel.rc.in ${CMAKE_CURRENT_BINARY_DIR}/sorvel.rc @ONLY)
set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/sorvel.rc PROPERTIES
    OBJECT_DEPENDS "${SORVEL_FACE};${SORVEL_ICON};${SORVEL_MANIFEST};${SORVEL_RESOURCE_IDS}")

# The Windows rows of the benchmark (scripts/bench): the same ticks as the native rows, run under Wine.
if(SORVEL_BUILD_BENCHMARKS)
    add_executable(windows_tick_bench bench/self_timed_tick_bench.cpp bench/tick_scenes.h)
    target_link_libraries(windows_tick_bench PRIVATE sorvel_model)
    target_include_directories(windows_tick_bench PRIVATE bench)
    target_link_options(windows_tick_bench PRIVATE -static -static-libgcc -static-libstdc++)
endif()
