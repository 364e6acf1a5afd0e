# Joins the topic sources into the help file, contents first, then by file name.
# cmake -DTOPICS_DIR=<folder> -DOUTPUT=<file> -P BuildHelp.cmake
file(GLOB topics "${TOPICS_DIR}/*.html")
list(SORT topics)
set(text "<!-- Voltaris help file: built from res/help/topics, do not edit -->\n")
foreach(topic IN LISTS topics)
  file(READ "${topic}" body)
  string(APPEND text "${body}\n")
endforeach()
file(WRITE "${OUTPUT}.tmp" "${text}")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
