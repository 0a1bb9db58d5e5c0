# Writes an initial story flag, "0" and CR LF, unless the file is already there.
string(ASCII 13 cr)
if(NOT EXISTS "${OUTPUT}")
    get_filename_component(dir "${OUTPUT}" DIRECTORY)
    file(MAKE_DIRECTORY "${dir}")
    file(WRITE "${OUTPUT}" "0${cr}\n")
endif()
