# The page for the browser: the core and the web shell compiled to WebAssembly with Emscripten,
# beside the page's own files, as one folder that any static host can serve (make web).
#
#   site/index.html, tova.css, page.js    the page and its shell (src/web/site/: tova.js, with its
#                                        drawings folder, pointer input, self-check, exercise panel
#                                        and recovery copy, made one minified page.js)
#   site/tova-core.js, tova-core.wasm     the program
#   site/manifest.webmanifest, sw.js      installing it, and working offline
#   site/Help.htm, Malvo.htm, tova.svg,   the help pages and the icon (tova-48.png the tab's)
#   tova-48.png
#   site/Tova.ini                         the sample drawing of a first start
#   site/exercises/block.KRT, block-key.KRT  an exercise and its key, for the self-check
#                                        (?drawing=exercises/block.KRT&key=exercises/block-key.KRT)
#   site/exercises.html, exercises/*.exercise  the course: a page listing the exercise files
#                                        (samples/exercises/; their keys stay out of the site)
set(site ${CMAKE_BINARY_DIR}/site)
file(GLOB TOVA_WEB_SOURCES CONFIGURE_DEPENDS src/web/*.cpp)
add_executable(tova_web ${TOVA_WEB_SOURCES})
target_link_libraries(tova_web PRIVATE tova_core)
set_target_properties(tova_web PROPERTIES OUTPUT_NAME tova-core SUFFIX .js RUNTIME_OUTPUT_DIRECTORY ${site})
# Asyncify lets the program wait for the page's dialogs and pauses inside one event, as it waits
# for modal boxes on the desktop. It rewrites every function that may be on the stack while the
# program waits, and takes any function that calls through a pointer for one: that made the
# program half as large again. These library functions call through their pointers only into the library (the
# new-handler, stdio's write and close, type_info's methods, a std::function's or a shared
# pointer's destroyer, from_chars' parser), never into a dialog, and are left as they are.
set(never_waits "operator new*" "std::__2::__libcpp_allocate*" printf_core __vfprintf_internal out pop_arg
    fflush fclose "__cxxabiv1::*" "std::__2::function<void ()>::~function()"
    "std::__2::__shared_weak_count::__release_weak()" "std::__2::from_chars_result std::__2::__sign_combinator*")
list(JOIN never_waits "\n" never_waits)
file(WRITE ${CMAKE_BINARY_DIR}/asyncify-never-waits.txt "${never_waits}\n")
set_target_properties(tova_web PROPERTIES LINK_DEPENDS ${CMAKE_BINARY_DIR}/asyncify-never-waits.txt)
# The program is linked for size: the smaller it is, the sooner the browser has compiled it.
target_link_options(tova_web PRIVATE
  -Os -sASYNCIFY -sASYNCIFY_REMOVE=@${CMAKE_BINARY_DIR}/asyncify-never-waits.txt -sASYNCIFY_STACK_SIZE=65536 -sALLOW_MEMORY_GROWTH -sENVIRONMENT=web -sINVOKE_RUN=0
  -sEXPORTED_FUNCTIONS=_malloc,_free -sEXPORTED_RUNTIME_METHODS=ccall,UTF8ToString,stringToUTF8,lengthBytesUTF8,FS,HEAPU8,HEAP32,HEAPU32)
# The site's scripts are minified for a smaller first download. The page's own scripts are one
# file, page.js, in this order: fewer requests start the page sooner. Each keeps the names the page
# calls (Tova, TovaDrawings, Module and their members); the glue's top level is its own but for
# Module.
find_program(TERSER terser REQUIRED)
set(terser ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs ${TERSER})
add_custom_command(TARGET tova_web POST_BUILD
                   COMMAND ${terser} ${site}/tova-core.js --compress toplevel --mangle toplevel,reserved=[Module] -o ${site}/tova-core.js
                   VERBATIM)
set(page_scripts drawings pointer tova check exercise recovery)
list(TRANSFORM page_scripts REPLACE "(.+)" "${CMAKE_SOURCE_DIR}/src/web/site/\\1.js")
add_custom_command(OUTPUT ${site}/page.js COMMAND ${terser} ${page_scripts} --compress --mangle -o ${site}/page.js
                   DEPENDS ${page_scripts} VERBATIM)
set(copied ${site}/page.js)
file(GLOB TOVA_PAGE_FILES RELATIVE ${CMAKE_SOURCE_DIR} CONFIGURE_DEPENDS src/web/site/*)
list(FILTER TOVA_PAGE_FILES EXCLUDE REGEX "\\.js$")
list(REMOVE_ITEM TOVA_PAGE_FILES src/web/site/exercises.html)
file(GLOB TOVA_EXERCISES RELATIVE ${CMAKE_SOURCE_DIR} CONFIGURE_DEPENDS samples/exercises/*.exercise)
set(page_files ${TOVA_PAGE_FILES} help/Help.htm help/Malvo.htm packaging/tova.svg samples/Tova.ini)
# The tab's icon, a picture the browser decodes at once (the drawn icon it renders as a document).
add_custom_command(OUTPUT ${site}/tova-48.png
                   COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/packaging/icons/48/tova.png ${site}/tova-48.png
                   DEPENDS packaging/icons/48/tova.png VERBATIM)
list(APPEND copied ${site}/tova-48.png)
foreach(file ${page_files})
  get_filename_component(name ${file} NAME)
  add_custom_command(OUTPUT ${site}/${name} COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/${file} ${site}/${name}
                     DEPENDS ${file} VERBATIM)
  list(APPEND copied ${site}/${name})
endforeach()
foreach(file samples/exercises/block.KRT samples/Tova.ini ${TOVA_EXERCISES})
  get_filename_component(name ${file} NAME)
  if(name STREQUAL "Tova.ini")
    set(name block-key.KRT)  # the sample is the key of the block exercise
  endif()
  add_custom_command(OUTPUT ${site}/exercises/${name}
                     COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/${file} ${site}/exercises/${name}
                     DEPENDS ${file} VERBATIM)
  list(APPEND copied ${site}/exercises/${name})
endforeach()
add_custom_command(OUTPUT ${site}/exercises.html
                   COMMAND ${CMAKE_COMMAND} -DIN=${CMAKE_SOURCE_DIR}/src/web/site/exercises.html -DOUT=${site}/exercises.html
                           -DDIR=${CMAKE_SOURCE_DIR}/samples/exercises -P ${CMAKE_SOURCE_DIR}/cmake/ExercisesPage.cmake
                   DEPENDS src/web/site/exercises.html cmake/ExercisesPage.cmake ${TOVA_EXERCISES} VERBATIM)
list(APPEND copied ${site}/exercises.html)
# The service worker carries the digest of every other file of the site.
add_custom_command(OUTPUT ${site}/sw.js
                   COMMAND ${CMAKE_COMMAND} -DIN=${CMAKE_SOURCE_DIR}/src/web/site/sw.js -DOUT=${site}/sw.js -DSITE=${site}
                           -P ${CMAKE_SOURCE_DIR}/cmake/StampServiceWorker.cmake
                   DEPENDS src/web/site/sw.js cmake/StampServiceWorker.cmake ${copied} tova_web VERBATIM)
add_custom_target(tova_site ALL DEPENDS ${site}/sw.js)
