# cmake -DCATALOGUES=<a.qm|b.qm|...> -DMANIFEST=<file> -P CatalogueManifest.cmake
# Lists the SHA-256 of each catalogue as sha256sum does; the wizard loads only catalogues that
# match it, since a damaged one can crash the translator.
string(REPLACE "|" ";" CATALOGUES "${CATALOGUES}")
set(lines "")
foreach(catalogue IN LISTS CATALOGUES)
    file(SHA256 "${catalogue}" sum)
    get_filename_component(name "${catalogue}" NAME)
    string(APPEND lines "${sum}  ${name}\n")
endforeach()
file(WRITE "${MANIFEST}" "${lines}")
