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
list(REMOVE_ITEM TOVA_PAGE_FILES src/web/site/sw.js)
set(page_files ${TOVA_PAGE_FILES} help/Help.htm help/Malvo.htm packaging/tova.svg samples/Tova.ini)
set(copied)
foreach(file ${page_files})
  get_filename_component(name ${file} NAME)
  add_custom_command(OUTPUT ${site}/${name} COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/${file} ${site}/${name}
                     DEPENDS ${file} VERBATIM)
  list(APPEND copied ${site}/${name})
endforeach()
foreach(pair "samples/exercises/block.KRT;block.KRT" "samples/Tova.ini;block-key.KRT")
  list(GET pair 0 file)
  list(GET pair 1 name)
  add_custom_command(OUTPUT ${site}/exercises/${name}
                     COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/${file} ${site}/exercises/${name}
                     DEPENDS ${file} VERBATIM)
  list(APPEND copied ${site}/exercises/${name})
endforeach()
# The service worker carries the digest of every other file of the site.
add_custom_command(OUTPUT ${site}/sw.js
                   COMMAND ${CMAKE_COMMAND} -DIN=${CMAKE_SOURCE_DIR}/src/web/site/sw.js -DOUT=${site}/sw.js -DSITE=${site}
                           -P ${CMAKE_SOURCE_DIR}/cmake/StampServiceWorker.cmake
                   DEPENDS src/web/site/sw.js cmake/StampServiceWorker.cmake ${copied} tova_web VERBATIM)
add_custom_target(tova_site ALL DEPENDS ${site}/sw.js)
