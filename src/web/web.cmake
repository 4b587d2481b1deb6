# The browser edition: the windows against the web back end, compiled to WebAssembly, and the
# page that holds it all in one file, sorvel.html.
add_executable(sorvel_web
    src/web/web_main.cpp
    src/web/dom.h src/web/dom.cpp
    src/web/web_backend.h src/web/web_backend.cpp
    src/web/frame_pacer.h src/web/frame_pacer.cpp)
target_link_libraries(sorvel_web PRIVATE sorvel_windows)
# Link-time optimisation and WebAssembly's vector instructions: a tick within 1.5 times the
# native one (measured by scripts/bench). Every browser of the last years has both.
set(SORVEL_WEB_SPEED -flto -msimd128)
foreach(target sorvel_model sorvel_surface sorvel_windows sorvel_web)
    target_compile_options(${target} PRIVATE ${SORVEL_WEB_SPEED})
endforeach()
target_link_options(sorvel_web PRIVATE ${SORVEL_WEB_SPEED})
set(SORVEL_WEB_EXPORTS _main,_web_click,_web_press,_web_drag,_web_key,_web_tab,_web_edit,_web_close,_web_resize,_web_frame)
target_link_options(sorvel_web PRIVATE
    -sENVIRONMENT=web
    -sALLOW_MEMORY_GROWTH=1
    # A 4K screen at twice the density holds a picture of 4320 × 4320 device pixels.
    -sINITIAL_MEMORY=33554432
    -sEXPORTED_FUNCTIONS=${SORVEL_WEB_EXPORTS}
    -sEXPORTED_RUNTIME_METHODS=ccall
    # The page's policy allows no eval; the glue then builds no code at run time.
    -sDYNAMIC_EXECUTION=0
    -sMINIFY_HTML=0)
sorvel_warnings(sorvel_web)

set(SORVEL_PAGE ${CMAKE_CURRENT_SOURCE_DIR}/src/web/page)
# The page's face, cut at build time from Debian's installed Liberation Sans (fonts-liberation2)
# with Debian's fontTools, which lives with Debian's own interpreter.
find_file(SORVEL_SANS_REGULAR LiberationSans-Regular.ttf PATHS /usr/share/fonts/truetype/liberation2
          NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
find_file(SORVEL_SANS_BOLD LiberationSans-Bold.ttf PATHS /usr/share/fonts/truetype/liberation2
          NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
find_program(SORVEL_FONT_PYTHON python3 PATHS /usr/bin NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
foreach(style regular bold)
    string(TOUPPER ${style} upper)
    add_custom_command(
        OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/sorvel-sans-${style}.woff
        COMMAND ${SORVEL_FONT_PYTHON} ${SORVEL_PAGE}/subset_font.py ${SORVEL_SANS_${upper}}
                ${CMAKE_CURRENT_BINARY_DIR}/sorvel-sans-${style}.woff
        DEPENDS ${SORVEL_PAGE}/subset_font.py ${SORVEL_SANS_${upper}}
        COMMENT "Cutting the page's face (${style}) from Liberation Sans")
endforeach()
add_custom_command(
    OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/sorvel.html
    COMMAND node ${SORVEL_PAGE}/assemble.mjs ${SORVEL_PAGE}/sorvel.html.in ${SORVEL_PAGE}/page.css
            ${SORVEL_PAGE}/page.js $<TARGET_FILE:sorvel_web> $<TARGET_FILE_DIR:sorvel_web>/sorvel_web.wasm
            ${CMAKE_CURRENT_BINARY_DIR}/sorvel.html ${CMAKE_CURRENT_BINARY_DIR}/sorvel-sans-regular.woff
            ${CMAKE_CURRENT_BINARY_DIR}/sorvel-sans-bold.woff ${CMAKE_CURRENT_SOURCE_DIR}/packaging/sorvel.svg
    DEPENDS sorvel_web ${CMAKE_CURRENT_SOURCE_DIR}/packaging/sorvel.svg ${SORVEL_PAGE}/assemble.mjs ${SORVEL_PAGE}/sorvel.html.in ${SORVEL_PAGE}/page.css
            ${SORVEL_PAGE}/page.js ${CMAKE_CURRENT_BINARY_DIR}/sorvel-sans-regular.woff
            ${CMAKE_CURRENT_BINARY_DIR}/sorvel-sans-bold.woff
    COMMENT "Assembling sorvel.html")
add_custom_target(sorvel_page ALL DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/sorvel.html)

# The browser rows of the benchmark (scripts/bench), the same ticks as the native rows.
if(SORVEL_BUILD_BENCHMARKS)
    add_executable(web_tick_bench bench/self_timed_tick_bench.cpp bench/tick_scenes.h)
    target_link_libraries(web_tick_bench PRIVATE sorvel_model)
    target_include_directories(web_tick_bench PRIVATE bench)
    target_compile_options(web_tick_bench PRIVATE ${SORVEL_WEB_SPEED})
    target_link_options(web_tick_bench PRIVATE ${SORVEL_WEB_SPEED} -sENVIRONMENT=web -sSINGLE_FILE=1
                        -sALLOW_MEMORY_GROWTH=1)
endif()
