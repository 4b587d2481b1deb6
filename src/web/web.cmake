# The browser edition: the windows against the web back end, compiled to WebAssembly, the page
# that holds it all in one file, sorvel.html, and the same page as an installable web app, site/.
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
set(SORVEL_WEB_EXPORTS _main,_web_click,_web_press,_web_drag,_web_key,_web_tab,_web_edit,_web_close,_web_resize,_web_frame,_web_program_key,_web_picture_menu,_web_menu_choose,_web_full_screen,_web_full_screen_ended,_malloc,_free)
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
# The one file, and the web app's page beside it in site/: the same page and program, with the
# manifest, the tags iPads read and the worker's registration.
set(SORVEL_SITE ${CMAKE_CURRENT_BINARY_DIR}/site)
add_custom_command(
    OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/sorvel.html ${SORVEL_SITE}/index.html ${SORVEL_SITE}/manifest.webmanifest
    COMMAND ${CMAKE_COMMAND} -E make_directory ${SORVEL_SITE}
    COMMAND node ${SORVEL_PAGE}/assemble.mjs ${SORVEL_PAGE}/sorvel.html.in ${SORVEL_PAGE}/page.css
            ${SORVEL_PAGE}/page.js $<TARGET_FILE:sorvel_web> $<TARGET_FILE_DIR:sorvel_web>/sorvel_web.wasm
            ${CMAKE_CURRENT_BINARY_DIR}/sorvel.html ${CMAKE_CURRENT_BINARY_DIR}/sorvel-sans-regular.woff
            ${CMAKE_CURRENT_BINARY_DIR}/sorvel-sans-bold.woff ${CMAKE_CURRENT_SOURCE_DIR}/packaging/sorvel.svg
            ${SORVEL_PAGE}/register_worker.js ${SORVEL_SITE}
    DEPENDS sorvel_web ${CMAKE_CURRENT_SOURCE_DIR}/packaging/sorvel.svg ${SORVEL_PAGE}/assemble.mjs ${SORVEL_PAGE}/sorvel.html.in ${SORVEL_PAGE}/page.css
            ${SORVEL_PAGE}/page.js ${CMAKE_CURRENT_BINARY_DIR}/sorvel-sans-regular.woff
            ${CMAKE_CURRENT_BINARY_DIR}/sorvel-sans-bold.woff ${SORVEL_PAGE}/register_worker.js
    COMMENT "Assembling sorvel.html and the web app's page")
add_custom_target(sorvel_page ALL DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/sorvel.html)

# The web app's icons, drawn from the program's SVG by librsvg. Where a platform cuts the icon to
# its own shape (a maskable icon, an iPad's home screen) the icon sits on a square of its own
# background, small enough that its rounded frame stays inside the circle every mask keeps (four
# fifths of the side): 328 of 512.
find_program(SORVEL_RSVG rsvg-convert REQUIRED)
set(SORVEL_ICONS)
foreach(icon "icon-192 192 192" "icon-512 512 512" "icon-maskable-512 512 328" "apple-touch-icon 180 118")
    separate_arguments(icon)
    list(GET icon 0 name)
    list(GET icon 1 side)
    list(GET icon 2 drawn)
    set(options -w ${drawn} -h ${drawn})
    if(NOT drawn EQUAL side)
        math(EXPR margin "(${side} - ${drawn}) / 2")
        list(APPEND options --page-width ${side} --page-height ${side} --left ${margin} --top ${margin}
             --background-color "#fafafa")
    endif()
    add_custom_command(
        OUTPUT ${SORVEL_SITE}/${name}.png
        COMMAND ${CMAKE_COMMAND} -E make_directory ${SORVEL_SITE}
        COMMAND ${SORVEL_RSVG} ${options} -o ${SORVEL_SITE}/${name}.png ${CMAKE_CURRENT_SOURCE_DIR}/packaging/sorvel.svg
        DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/packaging/sorvel.svg
        COMMENT "Drawing the web app's ${name}.png" VERBATIM)
    list(APPEND SORVEL_ICONS ${SORVEL_SITE}/${name}.png)
endforeach()
# The worker last: its cache is named by every other file of the folder.
add_custom_command(
    OUTPUT ${SORVEL_SITE}/sw.js
    COMMAND node ${SORVEL_PAGE}/worker.mjs ${SORVEL_PAGE}/sw.js ${SORVEL_SITE}
    DEPENDS ${SORVEL_PAGE}/worker.mjs ${SORVEL_PAGE}/sw.js ${SORVEL_SITE}/index.html ${SORVEL_SITE}/manifest.webmanifest
            ${SORVEL_ICONS}
    COMMENT "Writing the web app's worker")
add_custom_target(sorvel_site ALL DEPENDS ${SORVEL_SITE}/sw.js)

# The browser rows of the benchmark (scripts/bench), the same ticks as the native rows.
if(SORVEL_BUILD_BENCHMARKS)
    add_executable(web_tick_bench bench/self_timed_tick_bench.cpp bench/tick_scenes.h)
    target_link_libraries(web_tick_bench PRIVATE sorvel_model)
    target_include_directories(web_tick_bench PRIVATE bench)
    target_compile_options(web_tick_bench PRIVATE ${SORVEL_WEB_SPEED})
    target_link_options(web_tick_bench PRIVATE ${SORVEL_WEB_SPEED} -sENVIRONMENT=web -sSINGLE_FILE=1
                        -sALLOW_MEMORY_GROWTH=1)
endif()
