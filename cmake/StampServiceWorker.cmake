# Writes the service worker OUT from IN with @SITE_VERSION@ replaced by a digest of the site's
# files in SITE, so that a changed site is a changed service worker, which browsers then install,
# and @SITE_FILES@ by their names, quoted for JavaScript.
# Usage: cmake -DIN=... -DOUT=... -DSITE=... -P StampServiceWorker.cmake
file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE "${SITE}" "${SITE}/*")
get_filename_component(out_name "${OUT}" NAME)
list(REMOVE_ITEM files "${out_name}")
list(SORT files)
set(digests "")
set(names "")
foreach(name ${files})
  file(SHA256 "${SITE}/${name}" digest)
  string(APPEND digests "${digest}")
  list(APPEND names "'${name}'")
endforeach()
list(JOIN names ", " SITE_FILES)
string(SHA256 SITE_VERSION "${digests}")
string(SUBSTRING "${SITE_VERSION}" 0 16 SITE_VERSION)
configure_file("${IN}" "${OUT}" @ONLY)
