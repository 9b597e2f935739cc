# Writes the service worker OUT from IN with @SITE_VERSION@ replaced by a digest of the site's
# files in SITE, so that a changed site is a changed service worker, which browsers then install,
# and @SITE_FILES@ by their names, quoted for JavaScript.
# Usage: cmake -DIN=... -DOUT=... -DSITE=... -P StampServiceWorker.cmake
file(GLOB files LIST_DIRECTORIES false "${SITE}/*")
list(REMOVE_ITEM files "${OUT}")
list(SORT files)
set(digests "")
set(names "")
foreach(f ${files})
  file(SHA256 "${f}" digest)
  string(APPEND digests "${digest}")
  get_filename_component(name "${f}" NAME)
  list(APPEND names "'${name}'")
endforeach()
list(JOIN names ", " SITE_FILES)
string(SHA256 SITE_VERSION "${digests}")
string(SUBSTRING "${SITE_VERSION}" 0 16 SITE_VERSION)
configure_file("${IN}" "${OUT}" @ONLY)
