# Runs desktop-file-validate on a KDE service menu. Such a file is of KDE's own Type=Service, for
# which the validator rejects the very keys a service menu consists of (MimeType, Actions); those
# findings are expected, every other one fails the test.
execute_process(COMMAND ${VALIDATOR} ${FILE} OUTPUT_VARIABLE out ERROR_VARIABLE out)
string(REGEX REPLACE "[^\n]*key \"(MimeType|Actions)\" is present in group \"Desktop Entry\", but the type is \"Service\" while this key is only valid for type \"Application\"\n" "" rest "${out}")
if(NOT rest STREQUAL "")
  message(FATAL_ERROR "${rest}")
endif()
