# The page for the browser: the core and the web shell compiled to WebAssembly with Emscripten,
# beside the page's own files, as one folder that any static host can serve (make web).
#
#   site/index.html, tova.css, tova.js,   the page and its shell (src/web/site/), with its drawings
#   drawings.js, pointer.js, check.js     folder, pointer input and self-check
#   site/tova-core.js, tova-core.wasm     the program
#   site/manifest.webmanifest, sw.js      installing it, and working offline
#   site/Help.htm, Malvo.htm, tova.svg    the help pages and the icon
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
# for modal boxes on the desktop.
target_link_options(tova_web PRIVATE
  -sASYNCIFY -sASYNCIFY_STACK_SIZE=65536 -sALLOW_MEMORY_GROWTH -sENVIRONMENT=web -sINVOKE_RUN=0
  -sEXPORTED_FUNCTIONS=_malloc,_free -sEXPORTED_RUNTIME_METHODS=ccall,UTF8ToString,stringToUTF8,lengthBytesUTF8,FS,HEAPU8,HEAP32,HEAPU32)
file(GLOB TOVA_PAGE_FILES RELATIVE ${CMAKE_SOURCE_DIR} CONFIGURE_DEPENDS src/web/site/*)
list(REMOVE_ITEM TOVA_PAGE_FILES src/web/site/sw.js src/web/site/exercises.html)
file(GLOB TOVA_EXERCISES RELATIVE ${CMAKE_SOURCE_DIR} CONFIGURE_DEPENDS samples/exercises/*.exercise)
set(page_files ${TOVA_PAGE_FILES} help/Help.htm help/Malvo.htm packaging/tova.svg samples/Tova.ini)
set(copied)
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
