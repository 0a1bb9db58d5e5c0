cmake_minimum_required(VERSION 3.25)
# The committed story map must be what the story map tool makes from the current choice tables
# and story texts. Graphviz writes its version into the SVG, so the dot source is compared.
# Called by CTest with -DSTORY_MAP=<the tool> -DTEXT=<assets/text> -DCOMMITTED=<docs/story-map.dot>
# -DWORK=<a scratch folder>.

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
execute_process(COMMAND ${STORY_MAP} ${TEXT} ${WORK}/story-map.dot
    RESULT_VARIABLE status ERROR_VARIABLE said)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "story_map failed (${status}): ${said}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK}/story-map.dot ${COMMITTED}
    RESULT_VARIABLE different)
if(different)
    message(FATAL_ERROR "docs/story-map.dot is not what the tables and texts give now; remake it with\n"
        "  ./dev/story-map\n"
        "and commit docs/story-map.dot and docs/story-map.svg (fresh one: ${WORK}/story-map.dot)")
endif()
